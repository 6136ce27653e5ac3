#include "game/states/PlayingState.h"

#include <SDL/SDL.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>

#include "core/MessageCatalogue.h"
#include "core/math/Color.h"
#include "game/GameNames.h"
#include "game/GameVersion.h"
#include "game/level/LevelSource.h"
#include "game/player/Replay.h"
#include "game/rules/GameImpl.h"
#include "game/rules/GhostRun.h"
#include "game/solver/SolverTurns.h"
#include "game/states/HideGameState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "sound/SoundStartup.h"

namespace nimbus {

namespace {

const Color kGameOverGlow{1.0f, 0.3f, 0.2f, 1.0f};
const Color kPausedGlow{0.3f, 0.6f, 1.0f, 1.0f};
const Color kLevelGlow{1.0f, 0.75f, 0.3f, 1.0f};
// How long the level's number and title stay over a level that has just begun (the
// first second of it sliding in), unless the die moves first.
constexpr float kLevelCaptionSeconds = 3.0f;
constexpr const char* kYes = "yes";
constexpr float kHintSeconds = 4.0f;

bool hintAsked(const InputEvent* events, int32_t count, const KeyBindings& keys) {
    for (int32_t i = 0; i < count; ++i) {
        if (keys.pressed(events[i], kInputHint)) return true;
    }
    return false;
}

// Takes the window's focus events off SDL's queue (the GUI's polling would drop them)
// and tells whether the window lost the keyboard or was minimised since the last frame.
bool focusLost() {
    SDL_PumpEvents();
    SDL_Event events[8];
    bool lost = false;
    for (int n; (n = SDL_PeepEvents(events, 8, SDL_GETEVENT, SDL_ACTIVEEVENTMASK)) > 0;) {
        for (int i = 0; i < n; ++i) {
            const SDL_ActiveEvent& active = events[i].active;
            if (!active.gain && (active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))) lost = true;
        }
    }
    return lost;
}

}  // namespace

PlayingState::PlayingState() = default;

PlayingState::~PlayingState() = default;

void PlayingState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicGame);
    game_ = makeGame(info);
    // A test of the editor's level is neither recorded nor raced.
    if (!info.testing) {
        game_->record(&run_);
        startGhost(info);
    }
    info.gui->pushSignal(info.testing ? kSignalShowTest : kSignalShowGame);
    // The arrows roll the die now, and Space pauses rather than pressing a button.
    info.gui->setFocusKeys(false);
    info.levelStartScore = info.stats->score;
    font_ = info.gui->getFont(kDefaultFontName);
    gameOverCaption_.layout(font_, translated(kGameOverText), translated(kGameOverHint), kGameOverGlow);
    pausedCaption_.layout(font_, translated(kPausedText),
                          info.gui->keys().fill(translated(kPausedHint)).c_str(), kPausedGlow);
    if (!info.testing) layOutLevelCaption(info);
}

std::unique_ptr<GameImpl> PlayingState::makeGame(const GameStateInfo& info) {
    if (info.testing && info.editing)
        return std::make_unique<GameImpl>(*info.sound, info.stats.get(), &info.editing->editor.board());
    if (info.ownLevel.empty())
        return std::make_unique<GameImpl>(*info.sound, info.stats.get(), info.levelIndex, info.levelNames);
    // The player's file may have changed since it was proven: read as a whole level or
    // not played.
    LevelSource level;
    const bool read = LevelSourceParser::read(info.playerLevels.pathOf(info.ownLevel), level);
    return std::make_unique<GameImpl>(*info.sound, info.stats.get(), read ? &level.board : nullptr);
}

void PlayingState::layOutLevelCaption(const GameStateInfo& info) {
    if (!info.ownLevel.empty()) {
        const PlayerLevels::Level* own = info.playerLevels.find(info.ownLevel);
        levelCaption_.layout(font_, own ? own->title.c_str() : "", "", kLevelGlow);
        levelCaptionLeft_ = kLevelCaptionSeconds;
        return;
    }
    const auto index = static_cast<size_t>(info.levelIndex);
    if (index >= info.levelNames.size()) return;
    char number[64];
    std::snprintf(number, sizeof number, translated(kLevelCaptionFormat), info.levelNames[index].c_str());
    levelCaption_.layout(font_, number,
                         index < info.levelTitles.size() ? translated(info.levelTitles[index].c_str()) : "",
                         kLevelGlow);
    levelCaptionLeft_ = kLevelCaptionSeconds;
}

GenericState* PlayingState::update(float dt, GameStateInfo& info) {
    const int32_t lives = info.stats->lives;
    const bool lostFocus = focusLost();
    pollEvents(info);
    // Escape leaves a test back to the editor, and a practice as the Menu button does,
    // where it would end the game.
    if (info.testing)
        escapeTo(*info.gui, kSignalTestBack);
    else if (info.practice)
        escapeTo(*info.gui, kSignalToMenu);
    // The GUI keeps its time, so that a slide still running when the last life goes
    // finishes; the finished game stands still, and the press timer stays at 0 while
    // the button is held.
    updateServices(dt, info);
    const float gameStep = gameOver_ ? 0.0f : dt;
    input_.take(events(), eventCount(), gameStep, *game_, info.gui->keys());
    input_.carryOut(*game_);
    if (lostFocus && !game_->paused()) game_->execute(GameCommand(kCommandTogglePause));
    const bool levelRuns = !game_->paused();
    const bool complete = game_->update(gameStep);
    followWithGhost(gameStep, levelRuns, info.stats->lives < lives);
    updateHint(dt, hintAsked(events(), eventCount(), info.gui->keys()), info.gui->keys());
    levelCaptionLeft_ = game_->commands() > 0 ? 0.0f : levelCaptionLeft_ - gameStep;

    Gui& gui = *info.gui;
    publishScore(gui, info.stats->score);
    if (info.stats->lives == 0) {
        gameOver_ = true;
        game_->setPaused(true);
        game_->setHidden(true);
    }
    drawFrame(info, !gameOver_);

    // A test of the editor's level ends back in the editor, won or lost.
    if (info.testing && (complete || gameOver_)) gui.setProperty(kPropertyExitToState, kStateEditor);
    if (exitTo(gui, kStateEditor)) return handOver(info);
    if (complete) {
        info.levelRun.hundredths = static_cast<int32_t>(std::lround(game_->levelClock() * 100.0f));
        info.levelRun.commands = game_->commands();
        gui.setProperty(kPropertyExitToState, kStateLevelComplete);
        return handOver(info);
    }
    // A level that could not be loaded cannot be played: back to the main menu.
    if (!game_->loaded()) gui.setProperty(kPropertyExitToState, kStateFrontend);
    // A practice goes back to the Levels screen wherever a game goes back to the menu.
    if (info.practice && exitTo(gui, kStateFrontend)) gui.setProperty(kPropertyExitToState, kStateLevels);
    if (exitTo(gui, kStateGameOver) || exitTo(gui, kStateFrontend) || exitTo(gui, kStateLevels))
        return handOver(info);
    if (gui.getProperty(kPropertyTogglePause) == kYes) {
        game_->execute(GameCommand(kCommandTogglePause));
        gui.setProperty(kPropertyTogglePause, "");
    }
    return this;
}

void PlayingState::updateHint(float dt, bool asked, const KeyBindings& keys) {
    const HintSearch::Status status = hint_.status();
    if (status == HintSearch::Status::kIdle) {
        if (asked && !gameOver_) hint_.start(*game_);
        return;
    }
    const bool movedOn = !(game_->die().state() == hint_.from());
    if (status != HintSearch::Status::kSearching && !hintShown_) {
        showHint(status, keys);
        hintShown_ = true;
        hintLeft_ = kHintSeconds;
    }
    hintLeft_ -= dt;
    if (movedOn || (hintShown_ && hintLeft_ <= 0.0f)) {
        game_->setHintedRoll(-1);
        hint_.reset();
        hintShown_ = false;
    }
}

void PlayingState::showHint(HintSearch::Status status, const KeyBindings& keys) {
    if (status == HintSearch::Status::kNoWin) {
        game_->announce(translated("No way to win from here"));
        return;
    }
    if (status == HintSearch::Status::kGaveUp) {
        game_->announce(translated("No hint found"));
        return;
    }
    game_->takePoints(GameImpl::kHintCost);
    const SolutionStep& move = hint_.solution().steps.front();
    if (move.turn < 4) {
        game_->setHintedRoll(move.turn);
        if (move.waitFrames > 0) game_->announce(translated("Wait a moment, then roll"));
    } else {
        game_->announce(keys.fill(translated(kTwistHints[kSolverTurns[move.turn].command - kCommandTwist0])));
    }
}

void PlayingState::startGhost(const GameStateInfo& info) {
    const Board* level = game_->loadedBoard();
    Replay best;
    if (!level || !info.replays.load(info.playedLevel(), run_.levelHash, best)) return;
    ghost_ = std::make_unique<GhostRun>(std::move(best.run), *level);
}

void PlayingState::followWithGhost(float dt, bool levelRan, bool lifeLost) {
    if (!ghost_) return;
    if (lifeLost)
        ghost_->restart();
    else if (levelRan)
        ghost_->advance(dt);
}

void PlayingState::keepIfBest(GameStateInfo& info) {
    Replay replay;
    replay.header.gameVersion = gameVersion();
    replay.header.levelName = info.playedLevel();
    replay.header.playerName = info.settings.playerName;
    replay.header.score = info.stats->score - info.levelStartScore;
    replay.header.seconds = run_.seconds();
    replay.header.date = static_cast<int64_t>(std::time(nullptr));
    replay.run = std::move(run_);
    if (info.replays.isNewBest(replay)) info.replays.save(replay);
}

GenericState* PlayingState::handOver(GameStateInfo& info) {
    game_->record(nullptr);
    if (game_->levelComplete() && !info.testing) keepIfBest(info);
    info.gui->setFocusKeys(true);
    hint_.reset();
    game_->setHintedRoll(-1);
    info.gui->pushSignal(info.testing ? kSignalHideTest : kSignalHideGame);
    return new HideGameState(std::move(game_));
}

void PlayingState::drawUnderGui(GameStateInfo& info, const Camera& camera) {
    const bool ghostShown = ghost_ && info.settings.ghost;
    const Window* view = drawGameView(*game_, info, camera, ghostShown ? &ghost_->die() : nullptr);
    if (!view) return;
    if (!gameOver_) {
        if (game_->paused())
            pausedCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
        else if (levelCaptionLeft_ > 0.0f)
            levelCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
        return;
    }
    gameOverCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
    // A click, however short, or holding the left button (its timer stays at 0 while the
    // game stands still) leaves the frozen board; the signal goes once, so its transition
    // runs once.
    const bool clicked = input_.leftPressed() || input_.pressTimer() == 0.0f;
    if (clicked && !gameOverSignalled_) {
        info.gui->pushSignal(info.practice ? kSignalToMenu : kSignalGameOver);
        gameOverSignalled_ = true;
    }
}

}  // namespace nimbus
