#include "game/states/DemoState.h"

#include <random>
#include <vector>

#include "core/MessageCatalogue.h"
#include "core/math/Color.h"
#include "game/GameNames.h"
#include "game/rules/GameImpl.h"
#include "game/rules/LevelMap.h"
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
    std::vector<int32_t> levels;
    for (size_t i = 0; i < info.levelNames.size(); ++i) {
        if (info.replays.has(info.levelNames[i])) levels.push_back(static_cast<int32_t>(i));
    }
    const bool own = !levels.empty();
    for (size_t i = 0; !own && i < info.levelNames.size(); ++i) levels.push_back(static_cast<int32_t>(i));
    if (levels.empty()) return;
    std::random_device seed;
    std::uniform_int_distribution<size_t> pick(0, levels.size() - 1);
    game_ = std::make_unique<GameImpl>(*info.sound, &stats_, levels[pick(seed)], info.levelNames);
    if (!own || !startOwnRun(info)) search_.start(*game_);
}

bool DemoState::startOwnRun(const GameStateInfo& info) {
    const Board* level = game_->loadedBoard();
    if (!level || !info.replays.load(info.levelNames[game_->levelIndex()], levelHash(*level), ownRun_))
        return false;
    stats_ = ownRun_.run.start;
    ownPlayback_ = std::make_unique<RunPlayback>(ownRun_.run, *game_);
    return true;
}

DemoState::~DemoState() = default;

void DemoState::enter(GameStateInfo& info) {
    info.gui->pushSignal(kSignalPlay);
    info.gui->pushSignal(kSignalShowGame);
    if (!ownPlayback_) {
        const Solution& solution = search_.solution();
        replay_ = std::make_unique<SolutionReplay>(solution.steps);
        framesLeft_ = solution.frames + kSpareFrames;
    }
    font_ = info.gui->getFont(kDefaultFontName);
    caption_.layout(font_, translated(kDemoText), translated(kDemoHint), kDemoGlow);
}

GenericState* DemoState::update(float dt, GameStateInfo& info) {
    pollEvents(info);
    const bool asked = keyOrClick(events(), eventCount());
    updateServices(dt, info);
    Gui& gui = *info.gui;
    // The Play transition that moved the menus away also asked for a game: not this time.
    if (exitTo(gui, kStatePlaying)) clearExit(gui);
    // The run starts once the menus have made way for the game view, so that it is seen
    // from its first move.
    if (!over_ && (asked || (!gui.busy() && play(dt)))) {
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
    if (ownPlayback_) {
        ownPlayback_->advance(dt);
        return ownPlayback_->finished();
    }
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
