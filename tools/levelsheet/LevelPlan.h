#pragma once

#include <vector>

#include "Image.h"
#include "game/rules/Board.h"
#include "game/solver/Solver.h"

namespace nimbus {

// A level seen from above, for judging a design at a glance: each tile in its colour
// (holes left out), darker the sooner it crumbles and framed when it crumbles at all;
// the start with a dark dot, goals chequered, pick-ups as rings (extra life white, stop
// time blue, reverse time orange) and the shortest solution as a line, twists as small
// squares.
class LevelPlan {
public:
    // A plan is this many pixels a tile each way.
    static constexpr int kTile = 20;

    // Draws into `image` with its top left corner at (x0, y0).
    static void draw(Image& image, int x0, int y0, const Board& board, const Position& start,
                     const std::vector<SolutionStep>& steps);
};

}  // namespace nimbus
