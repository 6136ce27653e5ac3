#pragma once

#include <SDL/SDL_keysym.h>

#include "DieTurns.h"
#include "game/rules/GameCommand.h"

namespace nimbus {

// How a turn of the solver reaches the game: the command the rules take, and the key
// the game binds to that command (GameInput), as SDL and as X (for xdotool) name it.
struct SolverTurn {
    GameCommandKind command;
    SDLKey key;
    const char* keyName;
};

// By the solver's numbering (DieTurns): rolls towards x - 1, x + 1, y - 1 and y + 1, then
// the two twists. Seen from behind the board, the right arrow rolls towards x - 1.
inline constexpr SolverTurn kSolverTurns[DieTurns::kTurnCount] = {
    {kCommandRollMinusX, SDLK_RIGHT, "Right"}, {kCommandRollPlusX, SDLK_LEFT, "Left"},
    {kCommandRollMinusY, SDLK_DOWN, "Down"},   {kCommandRollPlusY, SDLK_UP, "Up"},
    {kCommandTwist0, SDLK_s, "s"},             {kCommandTwist1, SDLK_a, "a"},
};

}  // namespace nimbus
