#include "gui/InputEvent.h"

#include <SDL/SDL.h>

#include "gui/Gamepad.h"
#include "render/ViewFit.h"

namespace nimbus {

namespace {

int32_t buttonNumber(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_MIDDLE:
            return InputEvent::kMiddleButton;
        case SDL_BUTTON_RIGHT:
            return InputEvent::kRightButton;
        default:
            return InputEvent::kLeftButton;  // the wheel too
    }
}

// Fills the record from the event; false for kinds the game does not use.
bool convert(const SDL_Event& event, InputEvent& record) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            record.type = InputEvent::Key;
            record.key = event.key.keysym.sym;
            record.unicode = event.key.keysym.unicode;
            record.modifiers = event.key.keysym.mod;
            record.pressed = event.type == SDL_KEYDOWN;
            record.action = kNoInputAction;
            return true;
        case SDL_MOUSEMOTION:
            record.type = InputEvent::MouseMove;
            record.x = event.motion.x;
            record.y = event.motion.y;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            record.type = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
            record.x = event.button.x;
            record.y = event.button.y;
            record.pressed = event.type == SDL_MOUSEBUTTONDOWN;
            record.button = buttonNumber(event.button.button);
            return true;
        case SDL_QUIT:
            record.type = InputEvent::Quit;
            return true;
        default:
            return Gamepad::convert(event, record);
    }
}

}  // namespace

int32_t pollInputEvents(InputEvent* events) {
    int32_t filled = 0;
    SDL_Event event;
    while (filled < kMaxInputEvents && SDL_PollEvent(&event)) {
        if (convert(event, events[filled])) ++filled;
    }
    const SDL_Surface* window = SDL_GetVideoSurface();
    if (!window) return filled;
    const ViewFit fit(window->w, window->h);
    for (int32_t i = 0; i < filled; ++i) {
        InputEvent& e = events[i];
        if (e.type == InputEvent::MouseMove || e.type == InputEvent::MouseDown ||
            e.type == InputEvent::MouseUp)
            fit.toViewPixel(e.x, e.y);
    }
    return filled;
}

}  // namespace nimbus
