#include "game/states/WatchState.h"

#include <SDL/SDL.h>

#include <cmath>
#include <cstdio>

#include "core/MessageCatalogue.h"
#include "core/math/Color.h"
#include "game/GameNames.h"
#include "game/player/Progress.h"
#include "game/rules/GameImpl.h"
#include "game/rules/LevelMap.h"
#include "game/states/LevelsState.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "sound/SoundStartup.h"

namespace nimbus {

namespace {

const Color kReplayGlow{0.4f, 0.7f, 1.0f, 1.0f};
const Color kPausedGlow{0.3f, 0.6f, 1.0f, 1.0f};
const Color kEndGlow{1.0f, 0.75f, 0.3f, 1.0f};
constexpr const char* kYes = "yes";
// The speeds, by their keys.
struct SpeedKey {
    int32_t key;
    int32_t speed;
};
constexpr SpeedKey kSpeedKeys[] = {{SDLK_1, 1}, {SDLK_2, 2}, {SDLK_4, 4}};

}  // namespace

WatchState::WatchState(const GameStateInfo& info, int32_t levelIndex) {
    if (levelIndex < 0 || static_cast<size_t>(levelIndex) >= info.levelNames.size()) return;
    game_ = std::make_unique<GameImpl>(*info.sound, &stats_, levelIndex, info.levelNames);
    const Board* level = game_->loadedBoard();
    if (!level ||
        !info.replays.load(info.levelNames[static_cast<size_t>(levelIndex)], levelHash(*level), replay_))
        return;
    stats_ = replay_.run.start;
    playback_ = std::make_unique<RunPlayback>(replay_.run, *game_);
}

WatchState::~WatchState() = default;

void WatchState::enter(GameStateInfo& info) {
    requestMusic(*info.music, kMusicGame);
    info.gui->pushSignal(kSignalShowGame);
    font_ = info.gui->getFont(kDefaultFontName);
    pausedCaption_.layout(font_, translated(kPausedText),
                          info.gui->keys().fill(translated(kPausedHint)).c_str(), kPausedGlow);
    setSpeed(1);
    layOutEnd();
}

void WatchState::setSpeed(int32_t speed) {
    speed_ = speed;
    char hint[64];
    std::snprintf(hint, sizeof hint, translated(kReplaySpeedFormat), static_cast<int>(speed));
    caption_.layout(font_, translated(kReplayText), hint, kReplayGlow);
}

void WatchState::layOutEnd() {
    char score[64];
    std::snprintf(
        score, sizeof score, translated(kReplayEndFormat), static_cast<int>(replay_.header.score),
        formatHundredths(static_cast<int32_t>(std::lround(replay_.header.seconds * 100.0))).c_str());
    endCaption_.layout(font_, score, translated(kDemoHint), kEndGlow);
}

bool WatchState::takeInput(const GameStateInfo& info) {
    bool other = false;
    for (int32_t i = 0; i < eventCount(); ++i) {
        const InputEvent& event = events()[i];
        if (event.type == InputEvent::MouseDown) other = true;
        if (event.type != InputEvent::Key || !event.pressed) continue;
        bool taken = false;
        if (info.gui->keys().pressed(event, kInputPause)) {
            paused_ = !paused_;
            taken = true;
        }
        for (const SpeedKey& speed : kSpeedKeys) {
            if (event.key != speed.key) continue;
            setSpeed(speed.speed);
            taken = true;
        }
        other = other || !taken;
    }
    return other;
}

GenericState* WatchState::update(float dt, GameStateInfo& info) {
    Gui& gui = *info.gui;
    pollEvents(info);
    // Escape leaves as the Menu button does, for the Levels screen.
    escapeTo(gui, kSignalToMenu);
    updateServices(dt, info);
    const bool asked = takeInput(info);
    if (gui.getProperty(kPropertyTogglePause) == kYes) {
        paused_ = !paused_;
        gui.setProperty(kPropertyTogglePause, "");
    }
    // The run starts once the Levels screen has made way for the game view, so that it is
    // seen from its first move.
    if (!paused_ && !gui.busy() && !playback_->finished())
        playback_->advance(dt * static_cast<float>(speed_));
    const bool finished = playback_->finished();
    if (ended_ && asked && !leaving_) {
        leaving_ = true;
        gui.pushSignal(kSignalToMenu);
    }
    ended_ = finished;
    publishScore(gui, finished ? replay_.header.score : stats_.score - replay_.run.start.score);
    drawFrame(info, true);
    if (!exitTo(gui, kStateFrontend)) return this;
    // As when a practice is left: once the menu button has asked for the front end, the
    // game view goes, and then the Levels screen comes back.
    if (!hiding_) {
        hiding_ = true;
        gui.pushSignal(kSignalHideGame);
    }
    const Window* view = gui.findWindow(kWindowGame);
    if (view && view->visible()) return this;
    clearExit(gui);
    return new LevelsState;
}

void WatchState::drawUnderGui(GameStateInfo& info, const Camera& camera) {
    const Window* view = drawGameView(*game_, info, camera);
    if (!view) return;
    if (ended_) {
        endCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
        return;
    }
    if (paused_) {
        pausedCaption_.draw(*info.screenRenderer, view->absolutePosition(), view->size());
        return;
    }
    // High in the view, as the demo's, clear of the die near the middle.
    constexpr float kCaptionRaise = 0.55f;
    const Vector2 centre = view->absolutePosition() + Vector2(0.0f, view->size().y * 0.5f * kCaptionRaise);
    caption_.draw(*info.screenRenderer, centre, view->size());
}

}  // namespace nimbus
