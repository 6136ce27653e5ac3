#include "game/states/LevelCompleteState.h"

#include <cstdio>

#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/player/Progress.h"
#include "game/states/LevelsState.h"
#include "game/states/PlayingState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"

namespace nimbus {

namespace {

template <typename Value>
std::string formatted(const char* format, Value value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

void LevelCompleteState::enter(GameStateInfo& info) {
    const int32_t levels = static_cast<int32_t>(info.levelNames.size());
    nextLevel_ = levels > 0 ? (info.levelIndex + 1) % levels : 0;
    Gui& gui = *info.gui;
    gui.pushSignal(info.practice ? kSignalShowPracticeComplete : kSignalShowLevelComplete);
    LevelRun run = info.levelRun;
    run.score = info.stats->score - info.levelStartScore;
    // The player's own level keeps its bests under its file and opens no other level.
    const bool own = !info.ownLevel.empty();
    const NewBests bests = info.progress.complete(
        own ? 0 : info.levelIndex, own ? std::vector<std::string>{info.ownLevel} : info.levelNames, run,
        gui.getProperty(kPropertyPlayerName), todaysDate());
    gui.setProperty(kPropertyTotalScore, formatted(translated(kTotalScoreFormat), info.stats->score));
    gui.setProperty(kPropertyLevelScore, formatted(translated(kLevelScoreFormat), run.score));
    gui.setProperty(kPropertyLevelTime,
                    formatted(translated(kLevelTimeFormat), formatHundredths(run.hundredths).c_str()));
    gui.setProperty(kPropertyLevelCommands, formatted(translated(kLevelCommandsFormat), run.commands));
    const LevelRecord* record = info.progress.record(info.playedLevel());
    if (!record) return;
    // Beside this run's, each best of the level, or "New best!" where the run set it.
    const std::string newBest = translated(kNewBestText);
    gui.setProperty(kPropertyBestScore,
                    bests.score ? newBest : formatted(translated(kBestScoreFormat), record->score.value));
    gui.setProperty(kPropertyBestTime, bests.time ? newBest
                                                  : formatted(translated(kBestTimeFormat),
                                                              formatHundredths(record->time.value).c_str()));
    gui.setProperty(
        kPropertyBestCommands,
        bests.commands ? newBest : formatted(translated(kBestCommandsFormat), record->commands.value));
}

GenericState* LevelCompleteState::update(float dt, GameStateInfo& info) {
    standardFrame(dt, info);
    Gui& gui = *info.gui;
    if (exitTo(gui, kStateLevels)) {
        clearExit(gui);
        return new LevelsState;
    }
    if (!exitTo(gui, kStatePlaying)) return this;
    gui.pushSignal(kSignalHideGame);
    clearExit(gui);
    info.levelIndex = nextLevel_;
    if (!info.ownLevel.empty()) info.ownLevel = info.playerLevels.nextProven(info.ownLevel);
    return new PlayingState;
}

}  // namespace nimbus
