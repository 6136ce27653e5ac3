#include "game/states/LevelsState.h"

#include <algorithm>

#include "core/Log.h"
#include "game/GameNames.h"
#include "game/states/FrontendState.h"
#include "game/states/PlayingState.h"
#include "game/windows/LevelPlanWindow.h"
#include "game/windows/PublishLevels.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "sound/SoundStartup.h"

namespace nimbus {

bool LevelsState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.stats.reset();
    info.practice = false;
    const int32_t furthest = info.progress.furthest(info.levelNames);
    page_ = furthest / LevelPlanWindow::kPageSize;
    publishLevels(*info.gui, page_, furthest % LevelPlanWindow::kPageSize, info.levelNames, info.levelTitles,
                  info.progress);
    info.gui->pushSignal(kSignalShowLevels);
    return true;
}

GenericState* LevelsState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    escapeTo(gui, kSignalLevelsBack);
    updateServices(dt, info);
    drawFrame(info, true);
    turnPage(info);
    if (exitTo(gui, kStatePractice)) {
        clearExit(gui);
        return practice(info);
    }
    if (exitTo(gui, kStateFrontend)) {
        clearExit(gui);
        return new FrontendState;
    }
    return this;
}

void LevelsState::turnPage(GameStateInfo& info) {
    Gui& gui = *info.gui;
    const std::string& turn = gui.getProperty(kPropertyLevelsTurn);
    const int32_t step = turn == kTurnNext ? 1 : turn == kTurnPrevious ? -1 : 0;
    if (step == 0) return;
    gui.setProperty(kPropertyLevelsTurn, "");
    const int32_t pages = levelPages(info.levelNames.size());
    page_ = (page_ + step + pages) % pages;
    publishLevels(gui, page_, -1, info.levelNames, info.levelTitles, info.progress);
}

GenericState* LevelsState::practice(GameStateInfo& info) {
    const std::vector<std::string>& levels = info.levelNames;
    const std::string& chosen = info.gui->getProperty(kPropertyChosenLevel);
    const auto index = static_cast<int32_t>(std::find(levels.begin(), levels.end(), chosen) - levels.begin());
    if (!info.progress.reached(index, levels)) {
        LOG_ERROR("Level " << chosen << " cannot be played yet");
        info.gui->pushSignal(kSignalShowLevels);
        return this;
    }
    info.levelIndex = index;
    info.practice = true;
    info.stats = std::make_unique<PlayerStats>();
    return new PlayingState;
}

}  // namespace nimbus
