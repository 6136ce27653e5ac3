#include "game/states/LevelCompleteState.h"

#include <cstdio>

#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

namespace {
std::string formatted(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
}  // namespace

bool LevelCompleteState::enter(GameStateInfo& info) {
    const int32_t levels = static_cast<int32_t>(info.levelNames.size());
    nextLevel_ = levels > 0 ? (info.levelIndex + 1) % levels : 0;
    Gui& gui = *info.gui;
    gui.pushSignal(kSignalShowLevelComplete);
    const int32_t score = info.stats->score;
    gui.setProperty(kPropertyTotalScore, formatted(translated(kTotalScoreFormat), score));
    gui.setProperty(kPropertyLevelScore,
                    formatted(translated(kLevelScoreFormat), score - info.levelStartScore));
    return true;
}

GenericState* LevelCompleteState::update(float dt, GameStateInfo& info) {
    standardFrame(dt, info);
    Gui& gui = *info.gui;
    if (!exitTo(gui, kStatePlaying)) return this;
    gui.pushSignal(kSignalHideGame);
    clearExit(gui);
    info.levelIndex = nextLevel_;
    return new PlayingState;
}

}  // namespace nimbus
