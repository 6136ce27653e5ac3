#pragma once

#include <cstdint>

#include "core/math/Color.h"

namespace nimbus {

// A tile's colour. The die's six faces carry Red to Magenta; Black is a colour no face
// has, so like Start and Undefined it takes no face; White and Goal take every face.
enum TileColor : int32_t {
    kRed = 0,
    kGreen = 1,
    kBlue = 2,
    kYellow = 3,
    kCyan = 4,
    kMagenta = 5,
    kBlack = 6,
    kWhite = 7,
    kStart = 8,
    kGoal = 9,
    kUndefined = 10,
};

constexpr int32_t kTileColorCount = 11;

// The colour's name ("Red" ... "Undefined"); "Undefined" for a value out of range.
const char* tileColorName(int32_t color);
// The colour a tile is shown in; that of Undefined for a value out of range.
Color asColor(int32_t color);
// Whether a face of colour `face` may land on a tile of colour `tile` (either order).
bool colorsMatch(int32_t tile, int32_t face);
// Whether some face of the die may land on a tile of this colour.
bool takesSomeFace(int32_t tile);

}  // namespace nimbus
