#include "game/states/LevelsState.h"

#include <algorithm>
#include <memory>
#include <string>

#include "core/InArchive.h"
#include "core/Log.h"
#include "game/GameNames.h"
#include "game/player/Replay.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelMap.h"
#include "game/states/FrontendState.h"
#include "game/states/PlayingState.h"
#include "game/states/WatchState.h"
#include "game/windows/LevelPlanWindow.h"
#include "game/windows/PublishLevels.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "sound/SoundStartup.h"

namespace nimbus {

namespace {

// Whether the level has a kept run that was recorded on its map as it is now.
bool keptRunFits(const GameStateInfo& info, const std::string& level) {
    InArchive* archive = inArchive();
    if (!archive || !info.replays.has(level)) return false;
    const std::unique_ptr<Board> board(BoardFactory().loadLevel(*archive, level));
    Replay replay;
    return board && info.replays.load(level, levelHash(*board), replay);
}

}  // namespace

bool LevelsState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.stats.reset();
    info.practice = false;
    const int32_t furthest = info.progress.furthest(info.levelNames);
    page_ = furthest / LevelPlanWindow::kPageSize;
    watchable_.clear();
    for (const std::string& level : info.levelNames) watchable_.push_back(keptRunFits(info, level));
    publishLevels(*info.gui, page_, furthest % LevelPlanWindow::kPageSize, info.levelNames, info.levelTitles,
                  info.progress, watchable_);
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
    if (exitTo(gui, kStateWatch)) {
        clearExit(gui);
        return watch(info);
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
    publishLevels(gui, page_, -1, info.levelNames, info.levelTitles, info.progress, watchable_);
}

int32_t LevelsState::chosenLevel(const GameStateInfo& info) {
    const std::vector<std::string>& levels = info.levelNames;
    const std::string& chosen = info.gui->getProperty(kPropertyChosenLevel);
    return static_cast<int32_t>(std::find(levels.begin(), levels.end(), chosen) - levels.begin());
}

GenericState* LevelsState::watch(GameStateInfo& info) {
    auto watching = std::make_unique<WatchState>(info, chosenLevel(info));
    if (watching->ready()) return watching.release();
    LOG_ERROR("Level " << info.gui->getProperty(kPropertyChosenLevel) << " has no run to watch");
    info.gui->pushSignal(kSignalShowLevels);
    return this;
}

GenericState* LevelsState::practice(GameStateInfo& info) {
    const std::vector<std::string>& levels = info.levelNames;
    const int32_t index = chosenLevel(info);
    if (!info.progress.reached(index, levels)) {
        LOG_ERROR("Level " << info.gui->getProperty(kPropertyChosenLevel) << " cannot be played yet");
        info.gui->pushSignal(kSignalShowLevels);
        return this;
    }
    info.levelIndex = index;
    info.practice = true;
    info.stats = std::make_unique<PlayerStats>();
    return new PlayingState;
}

}  // namespace nimbus
