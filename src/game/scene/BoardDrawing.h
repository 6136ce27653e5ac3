#pragma once

#include "game/rules/Position.h"

namespace nimbus {

class Board;
class GameDice;
struct Camera;

// The board as the camera sees it: the tiles under the camera's footprint, twelve to a
// draw through "Shaders/Board", each in its colour scaled by `brightness` (a visited
// tile at a quarter of that), the crumbled ones tumbling away as they fall, those far
// from the camera as the coarse tile batch where there is one; then the
// turning pick-up models over their tiles. Draws nothing without the tile effect or
// the tile batch. While the colour symbols are shown, each tile of a die colour carries
// its colour's symbol.
void drawBoard(const Board& board, float levelClock, float brightness, const Camera& camera);

// Bobbing arrows over the neighbouring tiles the die may roll onto now: inside the
// board, still standing, and taking the colour of the die's side that faces them. The
// arrow of the `hinted` roll (-1 for none) stands out: larger, higher and reaching further.
void drawArrows(const Board& board, const GameDice& die, Direction hinted, float levelClock,
                const Camera& camera);

}  // namespace nimbus
