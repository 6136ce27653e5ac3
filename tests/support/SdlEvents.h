#pragma once

#include <SDL/SDL.h>
#include <gtest/gtest.h>

namespace nimbus {

// Events put on SDL's queue the way the player's arrive.

inline void pushSdlEvent(SDL_Event event) { EXPECT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError(); }

inline void pushKey(Uint8 type, SDLKey key, Uint16 unicode = 0, SDLMod mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = unicode;
    event.key.keysym.mod = mod;
    pushSdlEvent(event);
}

inline void pushButton(Uint8 type, Uint8 button, Uint16 x, Uint16 y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    pushSdlEvent(event);
}

inline void pushMotion(Uint16 x, Uint16 y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    pushSdlEvent(event);
}

}  // namespace nimbus
