#pragma once

#include <cstdint>

namespace nimbus {

class Board;
class InBuffer;
class OutBuffer;

// The level map file, the one reader and writer of the format: the four bytes "Tmap"
// (not checked when reading), width and length as signed 32-bit numbers, then one 9-byte
// record per tile, row 0 first and each row from x = 0: fall step (32 bits), pick-up
// kind (32 bits), colour (1 byte). Little-endian; bytes after the last record are ignored.

// Reads a map into `board`. A map whose width or length is not positive, whose tile
// count does not fit 32 bits, or whose records need more bytes than are left is refused
// with one error naming the buffer, and `board` is left untouched. A colour byte above
// Undefined reads as Undefined.
bool readLevelMap(InBuffer& in, Board& board);

// Writes the board's map; false when the sink refused a byte.
bool writeLevelMap(OutBuffer& out, const Board& board);

// The identity of a level's content: the hash of its map as written above, so that
// bytes the reader ignores do not change it while any tile that changes does.
uint64_t levelHash(const Board& board);

}  // namespace nimbus
