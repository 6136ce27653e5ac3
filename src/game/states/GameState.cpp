#include "game/states/GameState.h"

#include <cstdio>

#include "core/math/Color.h"
#include "game/rules/GameImpl.h"
#include "game/scene/GameScene.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "sound/MusicPlayer.h"

namespace nimbus {

namespace {
const Color kClearColor{0.0f, 0.0f, 0.0f, 1.0f};
}  // namespace

void GameState::standardFrame(float dt, GameStateInfo& info) {
    pollEvents();
    updateServices(dt, info);
    drawFrame(info, true);
}

void GameState::pollEvents() {
    // Records start fresh, so nothing of an earlier frame's events is read again.
    for (InputEvent& event : events_) event = InputEvent();
    eventCount_ = pollInputEvents(events_);
}

void GameState::updateServices(float dt, GameStateInfo& info) {
    info.music->update();
    if (!info.gui->update(dt, events_, eventCount_)) info.quit = true;
    // Closing the window is a way to quit too; no window takes that event.
    for (int32_t i = 0; i < eventCount_; ++i) {
        if (events_[i].type == InputEvent::Quit) info.quit = true;
    }
}

void GameState::drawFrame(GameStateInfo& info, bool withGui) {
    const Camera camera = makeStandardCamera();
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

const Window* GameState::drawGameView(GameImpl& game, GameStateInfo& info, const Camera& camera) {
    const Window* view = info.gui->findWindow(kWindowGame);
    if (!view || !view->visible()) return nullptr;
    const Vector2 centre = view->absolutePosition();
    const Vector2 half = view->size() * 0.5f;
    Camera sceneCamera = camera;
    drawGame(game, centre - half, centre + half, sceneCamera, *info.screenRenderer);
    return view;
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
