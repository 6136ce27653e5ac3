#include "game/states/GameState.h"

#include <SDL/SDL_keysym.h>

#include <cstdio>

#include "core/math/Color.h"
#include "game/rules/GameImpl.h"
#include "game/scene/GameScene.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/ViewFit.h"
#include "sound/MusicPlayer.h"

namespace nimbus {

namespace {
const Color kClearColor{0.0f, 0.0f, 0.0f, 1.0f};

// Whether the event asks to switch between full screen and a window: the action's key, or
// Alt+Enter, the switch most desktops know, whatever that key is.
bool asksForScreenSwitch(const InputEvent& event, const Gui& gui) {
    if (gui.keyCapture()) return false;
    if (gui.keys().pressed(event, kInputFullScreen)) return true;
    return event.type == InputEvent::Key && event.pressed && event.key == SDLK_RETURN &&
           (event.modifiers & KMOD_ALT) != 0;
}

}  // namespace

void GameState::standardFrame(float dt, GameStateInfo& info) {
    pollEvents(info);
    updateServices(dt, info);
    drawFrame(info, true);
}

void GameState::pollEvents(GameStateInfo& info) {
    // Records start fresh, so nothing of an earlier frame's events is read again.
    for (InputEvent& event : events_) event = InputEvent();
    eventCount_ = pollInputEvents(events_);
    for (int32_t i = 0; i < eventCount_; ++i) {
        if (!asksForScreenSwitch(events_[i], *info.gui)) continue;
        events_[i].type = InputEvent::None;
        if (info.toggleFullscreen) info.toggleFullscreen();
    }
}

void GameState::updateServices(float dt, GameStateInfo& info) {
    info.music->update();
    if (!info.gui->update(dt, events_, eventCount_)) info.quit = true;
    // Closing the window is a way to quit too; no window takes that event.
    for (int32_t i = 0; i < eventCount_; ++i) {
        const InputEvent& event = events_[i];
        if (event.type == InputEvent::Quit) info.quit = true;
        if (info.gui->keys().pressed(event, kInputMute)) info.music->setMuted(!info.music->muted());
    }
}

void GameState::escapeTo(Gui& gui, const char* signal) {
    // The GUI would end the game on the release as well as on the press.
    for (int32_t i = 0; i < eventCount_; ++i) {
        InputEvent& event = events_[i];
        if (!gui.keys().matches(event, kInputBack)) continue;
        if (event.pressed) gui.pushSignal(signal);
        event.type = InputEvent::None;
    }
}

void GameState::drawFrame(GameStateInfo& info, bool withGui) {
    int32_t width = 0, height = 0;
    core()->getSize(width, height);
    const Camera camera = makeStandardCamera(ViewFit(width, height));
    core()->clear(kClearColor);
    drawUnderGui(info, camera);
    // The GUI's drawing flushes what the scene queued; without it the scene flushes alone.
    if (withGui)
        info.gui->draw(camera, *info.screenRenderer);
    else
        info.screenRenderer->flush();
    core()->present();
}

void GameState::drawUnderGui(GameStateInfo&, const Camera&) {}

const Window* GameState::drawGameView(GameImpl& game, GameStateInfo& info, const Camera& camera,
                                      const GameDice* ghost) {
    const Window* view = info.gui->findWindow(gameView(info));
    if (!view || !view->visible()) return nullptr;
    const Vector2 centre = view->absolutePosition();
    const Vector2 half = view->size() * 0.5f;
    Camera sceneCamera = camera;
    drawGame(game, centre - half, centre + half, sceneCamera, *info.screenRenderer, ghost);
    return view;
}

const char* GameState::gameView(const GameStateInfo& info) {
    return info.testing ? kWindowTestGame : kWindowGame;
}

bool GameState::exitTo(const Gui& gui, const char* state) {
    return gui.getProperty(kPropertyExitToState) == state;
}

void GameState::clearExit(Gui& gui) { gui.setProperty(kPropertyExitToState, ""); }

void GameState::publishScore(Gui& gui, int32_t score) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(score));
    gui.setProperty(kPropertyScore, text);
}

}  // namespace nimbus
