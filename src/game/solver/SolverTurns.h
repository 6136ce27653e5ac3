#pragma once

#include "game/rules/GameCommand.h"
#include "game/solver/DieTurns.h"

namespace nimbus {

// A turn of the solver: its word in a solution's report (board directions, x to the
// right and y down as the level sheet draws it) and the command the rules take for it.
struct SolverTurn {
    const char* word;
    GameCommandKind command;
};

// By the solver's numbering (DieTurns): rolls towards x - 1, x + 1, y - 1 and y + 1, then
// the two twists.
inline constexpr SolverTurn kSolverTurns[DieTurns::kTurnCount] = {
    {"left", kCommandRollMinusX}, {"right", kCommandRollPlusX}, {"up", kCommandRollMinusY},
    {"down", kCommandRollPlusY},  {"twist0", kCommandTwist0},   {"twist1", kCommandTwist1},
};

}  // namespace nimbus
