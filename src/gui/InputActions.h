#pragma once

#include <SDL/SDL_keysym.h>

#include <cstdint>
#include <cstring>

#include "core/MessageCatalogue.h"

namespace nimbus {

// Everything a key sets off, in the order the Keys screen lists them. The rolls are named
// by the arrow that rolls that way on the screen; the twists turn the die as seen from
// above.
enum InputAction : int32_t {
    kInputRollUp,
    kInputRollDown,
    kInputRollLeft,
    kInputRollRight,
    kInputTwistClockwise,
    kInputTwistAnticlockwise,
    kInputPause,
    kInputRestart,
    kInputHint,
    kInputMute,
    kInputFullScreen,
    kInputLayoutEditor,
    kInputBack,
    kInputQuit,
    kInputCount,
};

// What the game makes of an event that stands for no action.
constexpr int32_t kNoInputAction = -1;

// The controls of a gamepad: the d-pad, which the left stick stands in for, and the
// buttons as the common pads' Linux drivers number them (A 0, B 1, Y 3, the shoulders 4
// and 5, Back 6, Start 7).
enum PadControl : int32_t {
    kPadNone,
    kPadUp,
    kPadDown,
    kPadLeft,
    kPadRight,
    kPadA,
    kPadB,
    kPadY,
    kPadLeftShoulder,
    kPadRightShoulder,
    kPadBack,
    kPadStart,
};

// One action: its name in the settings file (after "key_") and in texts that show its key
// ("{pause}"), what the Keys screen calls it, the key it has until the player chooses
// another, and the pad control that sets it off (kPadNone for none).
struct InputActionInfo {
    const char* name;
    const char* caption;
    int32_t defaultKey;
    PadControl pad;
};

// Rows in InputAction order.
inline constexpr InputActionInfo kInputActions[kInputCount] = {
    {"roll_up", translatable("Roll up"), SDLK_UP, kPadUp},
    {"roll_down", translatable("Roll down"), SDLK_DOWN, kPadDown},
    {"roll_left", translatable("Roll left"), SDLK_LEFT, kPadLeft},
    {"roll_right", translatable("Roll right"), SDLK_RIGHT, kPadRight},
    {"twist_clockwise", translatable("Twist clockwise"), SDLK_s, kPadRightShoulder},
    {"twist_anticlockwise", translatable("Twist anticlockwise"), SDLK_a, kPadLeftShoulder},
    {"pause", translatable("Pause"), SDLK_SPACE, kPadStart},
    {"restart", translatable("Restart level"), SDLK_r, kPadBack},
    {"hint", translatable("Hint"), SDLK_h, kPadY},
    {"mute", translatable("Music on or off"), SDLK_m, kPadNone},
    {"full_screen", translatable("Full screen"), SDLK_F11, kPadNone},
    {"layout_editor", translatable("Layout editor"), SDLK_F1, kPadNone},
    {"back", translatable("Back"), SDLK_ESCAPE, kPadB},
    {"quit", translatable("Quit"), SDLK_ESCAPE, kPadNone},
};

// The action of a name as the table gives it; kNoInputAction for none.
inline int32_t inputActionNamed(const char* name) {
    for (int32_t action = 0; action < kInputCount; ++action) {
        if (std::strcmp(kInputActions[action].name, name) == 0) return action;
    }
    return kNoInputAction;
}

}  // namespace nimbus
