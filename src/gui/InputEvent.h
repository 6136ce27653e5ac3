#pragma once

#include <cstdint>

#include "gui/InputActions.h"

namespace nimbus {

// One input record as the GUI and the game states receive it. A state keeps an array of
// kMaxInputEvents and hands the filled part to the GUI, which sets the type of every
// event a window consumed to None, so the state acts only on what is left.
struct InputEvent {
    enum Type : int32_t { None = 0, Key = 1, MouseMove = 2, MouseDown = 3, MouseUp = 4, Quit = 5 };
    // Button numbers after conversion: SDL's middle and right buttons, everything else left.
    static constexpr int32_t kLeftButton = 0;
    static constexpr int32_t kMiddleButton = 1;
    static constexpr int32_t kRightButton = 2;

    Type type = None;
    int32_t x = 0;          // pointer, pixels of the 1024 x 768 view (motion and buttons)
    int32_t y = 0;          // pointer, view pixels from the top
    int32_t key = -1;       // SDL key symbol
    int32_t unicode = -1;   // the character SDL translated for the key, 0 when none
    int32_t modifiers = 0;  // SDL modifier mask at the key event
    int32_t button = 0;     // kLeftButton, kMiddleButton or kRightButton
    bool pressed = false;   // key-down and button-down
    // The InputAction a gamepad control stands for, whatever key the action has;
    // kNoInputAction for the keyboard's keys and for pad controls that only work the menus.
    int32_t action = kNoInputAction;
};

// How many records one poll fills at most.
constexpr int32_t kMaxInputEvents = 16;

// Takes events off SDL's queue into `events` (at least kMaxInputEvents records) until the
// queue is empty or the array is full, and returns how many were filled. A gamepad's
// events become the key presses and actions they stand for (Gamepad). Events of other
// kinds are taken and dropped; what does not fit waits for the next call. Fields a kind
// does not use keep what the caller left in the record. Pointer positions come in the
// view's pixels, whatever the window's size (ViewFit).
int32_t pollInputEvents(InputEvent* events);

}  // namespace nimbus
