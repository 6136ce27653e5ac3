#include "game/states/DemoState.h"

#include <random>

#include "core/MessageCatalogue.h"
#include "core/math/Color.h"
#include "game/GameNames.h"
#include "game/rules/GameImpl.h"
#include "game/solver/SolverTurns.h"
#include "game/states/FrontendState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"

namespace nimbus {

namespace {

const Color kDemoGlow{0.4f, 0.9f, 0.4f, 1.0f};

bool keyOrClick(const InputEvent* events, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if ((events[i].type == InputEvent::Key && events[i].pressed) ||
            events[i].type == InputEvent::MouseDown)
            return true;
    }
    return false;
}

}  // namespace

DemoState::DemoState(const GameStateInfo& info) {
    if (info.levelNames.empty()) return;
    std::random_device seed;
    std::uniform_int_distribution<int32_t> pick(0, static_cast<int32_t>(info.levelNames.size()) - 1);
    game_ = std::make_unique<GameImpl>(*info.sound, &stats_, pick(seed), info.levelNames);
    search_.start(*game_);
}

DemoState::~DemoState() = default;

bool DemoState::enter(GameStateInfo& info) {
    info.gui->pushSignal(kSignalPlay);
    info.gui->pushSignal(kSignalShowGame);
    const Solution& solution = search_.solution();
    replay_ = std::make_unique<SolutionReplay>(solution.steps);
    framesLeft_ = solution.frames + kSpareFrames;
    font_ = info.gui->getFont(kDefaultFontName);
    caption_.layout(font_, translated(kDemoText), translated(kDemoHint), kDemoGlow);
    return true;
}

GenericState* DemoState::update(float dt, GameStateInfo& info) {
    pollEvents(info);
    const bool asked = keyOrClick(events(), eventCount());
    updateServices(dt, info);
    Gui& gui = *info.gui;
    // The Play transition that moved the menus away also asked for a game: not this time.
    if (exitTo(gui, kStatePlaying)) clearExit(gui);
    if (!over_ && (asked || play(dt))) {
        over_ = true;
        gui.pushSignal(kSignalToMenu);
    }
    // As when the player leaves a game for the menu: once the menu has asked for the
    // front end, the game view goes.
    if (over_ && !hiding_ && exitTo(gui, kStateFrontend)) {
        hiding_ = true;
        gui.pushSignal(kSignalHideGame);
    }
    publishScore(gui, stats_.score);
    drawFrame(info, true);
    const Window* view = gui.findWindow(kWindowGame);
    if (!hiding_ || (view && view->visible())) return this;
    clearExit(gui);
    return new FrontendState;
}

bool DemoState::play(float dt) {
    pending_ += dt;
    for (int i = 0; pending_ >= kFrameSeconds; ++i) {
        if (i == kMaxStepsPerFrame) {
            pending_ = 0.0f;
            break;
        }
        pending_ -= kFrameSeconds;
        if (replay_->play(*this, 1) || outOfStep_ || --framesLeft_ <= 0) return true;
    }
    return false;
}

bool DemoState::handIn(const SolutionStep& step) {
    return game_->execute(GameCommand(kSolverTurns[step.turn].command));
}

bool DemoState::passFrame() {
    const int32_t lives = stats_.lives;
    const bool complete = game_->update(kFrameSeconds);
    outOfStep_ = stats_.lives < lives;
    return complete;
}

void DemoState::drawUnderGui(GameStateInfo& info, const Camera& camera) {
    const Window* view = drawGameView(*game_, info, camera);
    // High in the view, under the HUD and clear of the die, which the camera keeps near
    // the middle.
    constexpr float kCaptionRaise = 0.55f;
    if (view) {
        const Vector2 centre =
            view->absolutePosition() + Vector2(0.0f, view->size().y * 0.5f * kCaptionRaise);
        caption_.draw(*info.screenRenderer, centre, view->size());
    }
}

}  // namespace nimbus
