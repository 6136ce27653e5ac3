#pragma once

#include "core/math/Transform.h"
#include "game/rules/GameCommand.h"
#include "game/rules/Position.h"

namespace nimbus {

class GameImpl;
class KeyBindings;
struct InputEvent;

// Turns the player's keys and clicks into game commands while a level is played, and
// keeps at most two of them waiting for the die. Each frame the playing state hands in
// the events the GUI did not take, then lets the rules carry out the oldest command:
// at most one command a frame, and a roll asked for while the die still turns waits
// until it has landed. A command that arrives while the die is busy replaces the waiting
// ones, so the die follows the latest wish rather than a backlog; with two waiting, a
// third overwrites the second.
//
// Keys, as the player bound them: the rolls (by default the arrows; the right arrow rolls
// towards smaller x, the left towards larger x, as the board is seen from behind), the
// twists (S and A), Pause (Space) and Restart (R). Mouse: releasing the left
// button rolls towards the board cell under the pointer, the middle and right buttons
// twist. Holding the left button runs the press timer; a left press in the last events
// taken is remembered even when the release came in the same frame, and so is a press of
// Enter or Space. The game-over screen reads both, so a quick tap or a key leads on as
// surely as a held button. Restart starts the level again at the cost of a life.
class GameInput {
public:
    static constexpr int kQueueCapacity = 2;

    // The command one event asks for; kind 0 for none. `cameraTransform` is the camera the
    // scene was last drawn through, for clicks on the board.
    static GameCommand commandFor(const InputEvent& event, const Transform& cameraTransform,
                                  const KeyBindings& keys);
    // The action whose key asks for the command (a roll, a twist, the pause or the
    // restart); kNoInputAction for any other.
    static int32_t actionFor(int32_t command);
    // The board cell under a pixel of the game's window (ViewSize.h), seen through the standard
    // camera placed at `cameraTransform`: the view ray meets the tile tops (y = -0.1)
    // and the cell is that point truncated towards zero, so the strip just outside the
    // x = 0 and y = 0 edges still gives cell 0. A ray that never meets them gives
    // (-1, -1), which no die can roll to.
    static Position pickCell(int x, int y, const Transform& cameraTransform);

    // Advances the press timer by dt while the left button is held, then queues the
    // commands of the events (type 0, taken by the GUI, is skipped) and notes whether one
    // of them pressed the left button.
    void take(const InputEvent* events, int count, float dt, const GameImpl& game, const KeyBindings& keys);
    // Hands the oldest command to the rules and drops it once they consumed it.
    void carryOut(GameImpl& game);
    // Queues one command by the rules above; kind 0 is dropped.
    void queue(const GameCommand& command, bool dieBusy);

    int queued() const { return queued_; }
    const GameCommand& queuedAt(int index) const { return queue_[index]; }
    // Seconds the left button has been held; -1 while it is up.
    float pressTimer() const { return pressTimer_; }
    // Whether the events of the last take() pressed the left button (released or not),
    // Enter or Space.
    bool leftPressed() const { return leftPressed_; }

private:
    void handleButton(const InputEvent& event);

    GameCommand queue_[kQueueCapacity];
    int queued_ = 0;
    float pressTimer_ = -1.0f;
    bool leftPressed_ = false;
};

}  // namespace nimbus
