#pragma once

#include <SDL/SDL_keysym.h>

#include "game/rules/GameCommand.h"
#include "game/solver/DieTurns.h"

namespace nimbus {

// A turn of the solver: its word in a solution's report (board directions, x to the
// right and y down as the level sheet draws it), the command the rules take for it, and
// the key the game binds to that command (GameInput), as SDL and as X (for xdotool)
// name it.
struct SolverTurn {
    const char* word;
    GameCommandKind command;
    SDLKey key;
    const char* keyName;
};

// By the solver's numbering (DieTurns): rolls towards x - 1, x + 1, y - 1 and y + 1, then
// the two twists. Seen from behind the board, the right arrow rolls towards x - 1.
inline constexpr SolverTurn kSolverTurns[DieTurns::kTurnCount] = {
    {"left", kCommandRollMinusX, SDLK_RIGHT, "Right"}, {"right", kCommandRollPlusX, SDLK_LEFT, "Left"},
    {"up", kCommandRollMinusY, SDLK_DOWN, "Down"},     {"down", kCommandRollPlusY, SDLK_UP, "Up"},
    {"twist0", kCommandTwist0, SDLK_s, "s"},           {"twist1", kCommandTwist1, SDLK_a, "a"},
};

}  // namespace nimbus
