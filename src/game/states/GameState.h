#pragma once

#include <cstdint>

#include "game/GameStateInfo.h"
#include "game/states/TypedState.h"
#include "gui/InputEvent.h"

namespace nimbus {

class GameDice;
class GameImpl;
class Gui;
class Window;
struct Camera;

// What the game's five states share: the standard frame. Every frame polls the input,
// updates the music and the GUI (the Quit key ends the game), clears, draws what lies
// under the GUI, draws the GUI through the standard camera and presents; then the state
// looks at the GUI's properties to decide where to go. States never call windows: they
// read and set properties and push signals that the GUI document's transitions answer.
class GameState : public TypedState<GameStateInfo> {
protected:
    // Steps 1 to 6 of the frame, in order.
    void standardFrame(float dt, GameStateInfo& info);
    // Step 1: the frame's input events into events(). The full-screen key (F11) and
    // Alt+Enter switch between full screen and a window here, in every state, and reach
    // nothing else; not while the Keys screen waits for a key.
    void pollEvents(GameStateInfo& info);
    // Steps 2 and 3: the music and the GUI; the GUI may take events (type None after).
    // The Quit key (Escape), or the window being closed, ends the game; the Mute key (M),
    // when no window took it, mutes the music or lets it play again.
    void updateServices(float dt, GameStateInfo& info);
    // Turns this frame's Back key (Escape at first) into the signal, where it leads back to
    // another screen rather than ending the game; call it before updateServices.
    void escapeTo(Gui& gui, const char* signal);
    // Steps 4 to 6: clear, drawUnderGui, the GUI unless `withGui` is false, present.
    void drawFrame(GameStateInfo& info, bool withGui);
    // What the state shows under the GUI; nothing by default.
    virtual void drawUnderGui(GameStateInfo& info, const Camera& camera);

    // The GUI window the game is drawn into: "game", or "test_game" while the editor's
    // level is tested.
    static const char* gameView(const GameStateInfo& info);
    // Draws the game into the rectangle of the game view when that is shown, with the
    // ghost's die when given, and returns the window; null when it is hidden or missing.
    static const Window* drawGameView(GameImpl& game, GameStateInfo& info, const Camera& camera,
                                      const GameDice* ghost = nullptr);
    // Whether "exitToState" holds the value.
    static bool exitTo(const Gui& gui, const char* state);
    // Sets "exitToState" back to nothing, once it has been acted on.
    static void clearExit(Gui& gui);
    // The score into the GUI property "score", for the game view's HUD.
    static void publishScore(Gui& gui, int32_t score);

    InputEvent* events() { return events_; }
    int32_t eventCount() const { return eventCount_; }

private:
    InputEvent events_[kMaxInputEvents];
    int32_t eventCount_ = 0;
};

}  // namespace nimbus
