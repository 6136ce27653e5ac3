#pragma once

#include <string>

namespace nimbus {

class Board;
class InArchive;
class InBuffer;

// Makes boards from level maps, with their drawing resources fetched.
class BoardFactory {
public:
    // A new board read from the map in the buffer (the caller owns it), or null when the
    // map is refused (reported by the reader).
    Board* create(InBuffer& in) const;
    // The board of the level directory "/Levels/" + name in the archive, from its
    // "Level.map"; null when that file does not open (nothing reported) or is refused.
    Board* loadLevel(InArchive& archive, const std::string& levelName) const;
};

}  // namespace nimbus
