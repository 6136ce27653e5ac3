#include "game/states/LevelsState.h"

#include <algorithm>
#include <memory>
#include <string>

#include "core/InArchive.h"
#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "game/GameNames.h"
#include "game/level/EditorSession.h"
#include "game/player/Replay.h"
#include "game/rules/Board.h"
#include "game/rules/BoardFactory.h"
#include "game/rules/LevelMap.h"
#include "game/states/FrontendState.h"
#include "game/states/LevelEditorState.h"
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

void LevelsState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicMenu);
    info.stats.reset();
    info.practice = false;
    info.ownLevel.clear();
    watchable_.clear();
    for (const std::string& level : info.levelNames) watchable_.push_back(keptRunFits(info, level));
    info.gui->setProperty(kPropertyOwnLevelsFolder, info.playerLevels.folder());
    show(info, info.ownLevels);
    showScreen(*info.gui);
}

GenericState* LevelsState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    escapeTo(gui, kSignalLevelsBack);
    updateServices(dt, info);
    drawFrame(info, true);
    turnPage(info);
    // The player's levels as they are proven.
    if (own_ && shownRevision_ != info.playerLevels.revision()) publish(info, -1);
    if (exitTo(gui, kStatePractice)) {
        clearExit(gui);
        return practice(info);
    }
    if (exitTo(gui, kStateWatch)) {
        clearExit(gui);
        return watch(info);
    }
    if (exitTo(gui, kStateEditor)) {
        clearExit(gui);
        return edit(info);
    }
    if (exitTo(gui, kStateFrontend)) {
        clearExit(gui);
        return new FrontendState;
    }
    return this;
}

void LevelsState::showScreen(Gui& gui) const {
    gui.pushSignal(own_ ? kSignalShowOwnLevels : kSignalShowLevels);
}

void LevelsState::show(GameStateInfo& info, bool own) {
    own_ = own;
    info.ownLevels = own;
    info.gui->setProperty(kPropertyLevelsHeading, translated(own ? kOwnLevelsHeading : kLevelsHeading));
    const int32_t furthest = own ? 0 : info.progress.furthest(info.levelNames);
    page_ = furthest / LevelPlanWindow::kPageSize;
    publish(info, furthest % LevelPlanWindow::kPageSize);
}

void LevelsState::publish(GameStateInfo& info, int32_t lit) {
    shownRevision_ = info.playerLevels.revision();
    const std::vector<LevelPlanText> plans =
        own_ ? ownPlans(info.playerLevels, info.progress)
             : shippedPlans(info.levelNames, info.levelTitles, info.progress, watchable_);
    const int32_t pages = levelPages(plans.size());
    if (page_ >= pages) page_ = pages - 1;
    publishLevels(*info.gui, page_, lit, plans);
    pageCount_ = pages;
}

void LevelsState::turnPage(GameStateInfo& info) {
    Gui& gui = *info.gui;
    const std::string turn = gui.getProperty(kPropertyLevelsTurn);
    if (turn.empty() || turn == kNotRegistered) return;
    gui.setProperty(kPropertyLevelsTurn, "");
    if (turn == kTurnOwn || turn == kTurnShipped) {
        if ((turn == kTurnOwn) != own_) show(info, turn == kTurnOwn);
        return;
    }
    const int32_t step = turn == kTurnNext ? 1 : turn == kTurnPrevious ? -1 : 0;
    page_ = (page_ + step + pageCount_) % pageCount_;
    publish(info, -1);
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
    showScreen(*info.gui);
    return this;
}

GenericState* LevelsState::practice(GameStateInfo& info) {
    const std::string& chosen = info.gui->getProperty(kPropertyChosenLevel);
    const int32_t index = chosenLevel(info);
    const PlayerLevels::Level* own = own_ ? info.playerLevels.find(chosen) : nullptr;
    if (own_ ? !own || own->standing != PlayerLevels::Standing::kProven
             : !info.progress.reached(index, info.levelNames)) {
        LOG_ERROR("Level " << chosen << " cannot be played " << (own_ ? "until it is proven" : "yet"));
        showScreen(*info.gui);
        return this;
    }
    info.levelIndex = own_ ? 0 : index;
    info.ownLevel = own_ ? chosen : std::string();
    info.practice = true;
    info.stats = std::make_unique<PlayerStats>();
    return new PlayingState;
}

GenericState* LevelsState::edit(GameStateInfo& info) {
    const std::string chosen = info.gui->getProperty(kPropertyChosenLevel);
    auto session = std::make_unique<EditorSession>();
    if (!chosen.empty() && chosen != kNotRegistered) {
        std::string reason;
        if (!session->open(info.playerLevels.folder(), chosen, &reason)) {
            LOG_ERROR(reason);
            showScreen(*info.gui);
            return this;
        }
        const PlayerLevels::Level* level = info.playerLevels.find(chosen);
        if (level && level->standing == PlayerLevels::Standing::kProven) session->keepProof(level->proof);
    }
    info.editing = std::move(session);
    info.ownLevels = true;
    return new LevelEditorState;
}

}  // namespace nimbus
