#pragma once

#include "game/rules/Board.h"
#include "game/solver/DieTurns.h"

namespace nimbus {

// A player can only leave a level by winning it, losing a life or quitting the game, so
// a die must never be left standing for good where it cannot go on: from every place
// the die can reach on a tile that never falls, some way to a goal has to lead over
// tiles that never fall either. Otherwise, once the rest of the floor has crumbled (or
// at once, in a level where nothing falls), the die could neither go on nor lose its
// life. Reaching is judged by colours alone, ignoring time. True, with the cell, when
// the die can be stranded.
bool canStrand(const Board& board, const DieTurns& turns, Position& stranded);

}  // namespace nimbus
