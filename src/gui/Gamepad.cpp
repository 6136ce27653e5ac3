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
// hat position or stick direction (0 for buttons); and the key it stands for.
struct PadKey {
    Uint8 type;
    Uint8 index;
    int value;
    SDLKey key;
};

constexpr PadKey kPadKeys[] = {
    {SDL_JOYHATMOTION, 0, SDL_HAT_UP, SDLK_UP},
    {SDL_JOYHATMOTION, 0, SDL_HAT_DOWN, SDLK_DOWN},
    {SDL_JOYHATMOTION, 0, SDL_HAT_LEFT, SDLK_LEFT},
    {SDL_JOYHATMOTION, 0, SDL_HAT_RIGHT, SDLK_RIGHT},
    {SDL_JOYAXISMOTION, 0, -1, SDLK_LEFT},
    {SDL_JOYAXISMOTION, 0, 1, SDLK_RIGHT},
    {SDL_JOYAXISMOTION, 1, -1, SDLK_UP},
    {SDL_JOYAXISMOTION, 1, 1, SDLK_DOWN},
    {SDL_JOYBUTTONDOWN, 0, 0, SDLK_RETURN},
    {SDL_JOYBUTTONDOWN, 4, 0, SDLK_a},
    {SDL_JOYBUTTONDOWN, 5, 0, SDLK_s},
    {SDL_JOYBUTTONDOWN, 7, 0, SDLK_SPACE},
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

// The control an event moved, as a (type, index, value) of kPadKeys; false when it moved
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
    for (const PadKey& padKey : kPadKeys) {
        if (padKey.type != event.type || padKey.index != index || padKey.value != value) continue;
        record.type = InputEvent::Key;
        record.key = padKey.key;
        record.unicode = 0;
        record.modifiers = 0;
        record.pressed = true;
        return true;
    }
    return false;
}

}  // namespace nimbus
