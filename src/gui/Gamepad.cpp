#include "gui/Gamepad.h"

#include <SDL/SDL.h>

#include "gui/InputEvent.h"

namespace nimbus {

namespace {

// Where the stick counts as pushed, and where as back, on SDL's axis scale of ±32767.
constexpr int kStickPushed = 16384;
constexpr int kStickBack = 8192;
constexpr int kStickAxes = 2;

// One control of the pad: the kind of event, the hat, axis or button number, and the
// hat position or stick direction (0 for buttons).
struct PadEvent {
    Uint8 type;
    Uint8 index;
    int value;
    PadControl control;
};

constexpr PadEvent kPadEvents[] = {
    {SDL_JOYHATMOTION, 0, SDL_HAT_UP, kPadUp},
    {SDL_JOYHATMOTION, 0, SDL_HAT_DOWN, kPadDown},
    {SDL_JOYHATMOTION, 0, SDL_HAT_LEFT, kPadLeft},
    {SDL_JOYHATMOTION, 0, SDL_HAT_RIGHT, kPadRight},
    {SDL_JOYAXISMOTION, 0, -1, kPadLeft},
    {SDL_JOYAXISMOTION, 0, 1, kPadRight},
    {SDL_JOYAXISMOTION, 1, -1, kPadUp},
    {SDL_JOYAXISMOTION, 1, 1, kPadDown},
    {SDL_JOYBUTTONDOWN, 0, 0, kPadA},
    {SDL_JOYBUTTONDOWN, 1, 0, kPadB},
    {SDL_JOYBUTTONDOWN, 3, 0, kPadY},
    {SDL_JOYBUTTONDOWN, 4, 0, kPadLeftShoulder},
    {SDL_JOYBUTTONDOWN, 5, 0, kPadRightShoulder},
    {SDL_JOYBUTTONDOWN, 6, 0, kPadBack},
    {SDL_JOYBUTTONDOWN, 7, 0, kPadStart},
};

// The menu keys of the controls that work the menus.
struct PadMenuKey {
    PadControl control;
    SDLKey key;
};

constexpr PadMenuKey kPadMenuKeys[] = {
    {kPadUp, SDLK_UP},       {kPadDown, SDLK_DOWN}, {kPadLeft, SDLK_LEFT},
    {kPadRight, SDLK_RIGHT}, {kPadA, SDLK_RETURN},
};

// The direction each stick axis was last pushed in: -1, 0 or 1. SDL's event queue is
// the process's one, and so is this.
int gStick[kStickAxes] = {};

// The stick's new direction on one axis; it keeps the old one between the two marks.
int stickDirection(int old, int value) {
    if (value >= kStickPushed) return 1;
    if (value <= -kStickPushed) return -1;
    if (value > -kStickBack && value < kStickBack) return 0;
    return old;
}

// The control an event moved, as a (type, index, value) of kPadEvents; false when it moved
// none, or moved the stick without a new push.
bool control(const SDL_Event& event, Uint8& index, int& value) {
    switch (event.type) {
        case SDL_JOYHATMOTION:
            index = event.jhat.hat;
            value = event.jhat.value;
            return true;
        case SDL_JOYAXISMOTION: {
            index = event.jaxis.axis;
            if (index >= kStickAxes) return false;
            const int old = gStick[index];
            gStick[index] = stickDirection(old, event.jaxis.value);
            value = gStick[index];
            return value != old && value != 0;
        }
        case SDL_JOYBUTTONDOWN:
            index = event.jbutton.button;
            value = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool Gamepad::open() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) return false;
    if (SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
    if (!joystick_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return true;
}

void Gamepad::close() {
    if (!joystick_) return;
    SDL_JoystickClose(joystick_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    joystick_ = nullptr;
}

bool Gamepad::convert(const SDL_Event& event, InputEvent& record) {
    Uint8 index = 0;
    int value = 0;
    if (!control(event, index, value)) return false;
    PadControl pad = kPadNone;
    for (const PadEvent& padEvent : kPadEvents) {
        if (padEvent.type == event.type && padEvent.index == index && padEvent.value == value)
            pad = padEvent.control;
    }
    int32_t key = -1, action = kNoInputAction;
    for (const PadMenuKey& menuKey : kPadMenuKeys) {
        if (menuKey.control == pad) key = menuKey.key;
    }
    for (int32_t i = 0; i < kInputCount; ++i) {
        if (pad != kPadNone && kInputActions[i].pad == pad) action = i;
    }
    if (key == -1 && action == kNoInputAction) return false;
    record.type = InputEvent::Key;
    record.key = key;
    record.action = action;
    record.unicode = 0;
    record.modifiers = 0;
    record.pressed = true;
    return true;
}

}  // namespace nimbus
