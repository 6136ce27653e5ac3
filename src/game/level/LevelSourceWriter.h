#pragma once

#include <string>

#include "game/level/LevelSource.h"

namespace nimbus {

// The text form of a level (see LevelSourceParser) that reads back to the same board,
// title and teaches line: the tiles grid, then the falls grid when a tile falls and the
// pick-ups grid when one lies, each cell padded to its column so the grids line up.
// Fall steps are written as numbers; waves are a way of typing them, not part of the
// board. A title or teaches line that is empty is left out. Neither may hold '#', which
// would start a comment.
std::string levelSourceText(const LevelSource& level);

}  // namespace nimbus
