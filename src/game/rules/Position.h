#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace nimbus {

// Which way the die rolls: 0 towards x - 1, 1 towards x + 1, 2 towards y - 1, 3 towards
// y + 1. Any other value is no direction at all.
using Direction = int32_t;

// A board cell: x is the column (world x), y the row (world z). (-1, -1) when made by
// default, which no board contains.
struct Position {
    int32_t x = -1;
    int32_t y = -1;

    constexpr Position() = default;
    constexpr Position(int32_t x_, int32_t y_) : x(x_), y(y_) {}
    bool operator==(const Position& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Position& o) const { return !(*this == o); }

    // The neighbour in that direction; the position itself for no direction.
    Position stepped(Direction direction) const {
        switch (direction) {
            case 0:
                return {x - 1, y};
            case 1:
                return {x + 1, y};
            case 2:
                return {x, y - 1};
            case 3:
                return {x, y + 1};
            default:
                return *this;
        }
    }
    // "<x, y>", for messages.
    std::string text() const { return "<" + std::to_string(x) + ", " + std::to_string(y) + ">"; }
};

// Steps along x plus steps along y, computed wide so far cells cannot overflow.
inline int64_t manhattanDistance(const Position& a, const Position& b) {
    return std::llabs(int64_t{a.x} - b.x) + std::llabs(int64_t{a.y} - b.y);
}

}  // namespace nimbus
