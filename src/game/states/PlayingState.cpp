#include "game/states/PlayingState.h"

#include <SDL/SDL.h>

#include <cctype>
#include <string>

#include "core/math/Color.h"
#include "game/GameNames.h"
#include "game/rules/GameImpl.h"
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
constexpr const char* kYes = "yes";
constexpr float kHintSeconds = 4.0f;

bool hintAsked(const InputEvent* events, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const InputEvent& e = events[i];
        if (e.type == InputEvent::Key && e.pressed && e.key == SDLK_h) return true;
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

bool PlayingState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicGame);
    if (info.testing && info.editing)
        game_ = std::make_unique<GameImpl>(*info.sound, info.stats.get(), info.editing->editor.board());
    else
        game_ = std::make_unique<GameImpl>(*info.sound, info.stats.get(), info.levelIndex, info.levelNames);
    info.gui->pushSignal(info.testing ? kSignalShowTest : kSignalShowGame);
    // The arrows roll the die now, and Space pauses rather than pressing a button.
    info.gui->setFocusKeys(false);
    info.levelStartScore = info.stats->score;
    font_ = info.gui->getFont(kDefaultFontName);
    gameOverCaption_.layout(font_, kGameOverText, kGameOverHint, kGameOverGlow);
    pausedCaption_.layout(font_, kPausedText, kPausedHint, kPausedGlow);
    return true;
}

GenericState* PlayingState::update(float dt, GameStateInfo& info) {
    const bool lostFocus = focusLost();
    pollEvents(info);
    // A test of the editor's level goes back to the editor on Escape.
    if (info.testing) escapeTo(*info.gui, kSignalTestBack);
    // The GUI keeps its time, so that a slide still running when the last life goes
    // finishes; the finished game stands still, and the press timer stays at 0 while
    // the button is held.
    updateServices(dt, info);
    const float gameStep = gameOver_ ? 0.0f : dt;
    input_.take(events(), eventCount(), gameStep, *game_);
    input_.carryOut(*game_);
    if (lostFocus && !game_->paused()) game_->execute(GameCommand(kCommandTogglePause));
    const bool complete = game_->update(gameStep);
    updateHint(dt, hintAsked(events(), eventCount()));

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
        gui.setProperty(kPropertyExitToState, kStateLevelComplete);
        return handOver(info);
    }
    // A level that could not be loaded cannot be played: back to the main menu.
    if (!game_->loaded()) {
        gui.setProperty(kPropertyExitToState, kStateFrontend);
        gui.pushSignal(kSignalMainMenu);
    }
    if (exitTo(gui, kStateGameOver) || exitTo(gui, kStateFrontend)) return handOver(info);
    if (gui.getProperty(kPropertyTogglePause) == kYes) {
        game_->execute(GameCommand(kCommandTogglePause));
        gui.setProperty(kPropertyTogglePause, "");
    }
    return this;
}

void PlayingState::updateHint(float dt, bool asked) {
    const HintSearch::Status status = hint_.status();
    if (status == HintSearch::Status::kIdle) {
        if (asked && !gameOver_) hint_.start(*game_);
        return;
    }
    const bool movedOn = !(game_->die().state() == hint_.from());
    if (status != HintSearch::Status::kSearching && !hintShown_) {
        showHint(status);
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

void PlayingState::showHint(HintSearch::Status status) {
    if (status == HintSearch::Status::kNoWin) {
        game_->announce("No way to win from here");
        return;
    }
    if (status == HintSearch::Status::kGaveUp) {
        game_->announce("No hint found");
        return;
    }
    game_->takePoints(GameImpl::kHintCost);
    const SolutionStep& move = hint_.solution().steps.front();
    if (move.turn < 4) {
        game_->setHintedRoll(move.turn);
        if (move.waitFrames > 0) game_->announce("Wait a moment, then roll");
    } else {
        game_->announce(std::string("Twist with ") +
                        static_cast<char>(std::toupper(kSolverTurns[move.turn].keyName[0])));
    }
}

GenericState* PlayingState::handOver(GameStateInfo& info) {
    info.gui->setFocusKeys(true);
    hint_.reset();
    game_->setHintedRoll(-1);
    info.gui->pushSignal(info.testing ? kSignalHideTest : kSignalHideGame);
    return new HideGameState(std::move(game_));
}

void PlayingState::drawUnderGui(GameStateInfo& info, const Camera& camera) {
    const Window* view = drawGameView(*game_, info, camera);
    if (!view) return;
    if (!gameOver_) {
        if (game_->paused())
            pausedCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
        return;
    }
    gameOverCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
    // A click, however short, or holding the left button (its timer stays at 0 while the
    // game stands still) leaves the frozen board; the signal goes once, so its transition
    // runs once.
    const bool clicked = input_.leftPressed() || input_.pressTimer() == 0.0f;
    if (clicked && !gameOverSignalled_) {
        info.gui->pushSignal(kSignalGameOver);
        gameOverSignalled_ = true;
    }
}

}  // namespace nimbus
