#pragma once

#include <cstdint>

namespace nimbus {

// What the player asked for, as the playing state hands it to the rules.
enum GameCommandKind : int32_t {
    kCommandNothing = 0,
    kCommandTwist0 = 1,
    kCommandTwist1 = 2,
    kCommandRollPlusY = 3,
    kCommandRollMinusY = 4,
    kCommandRollMinusX = 5,
    kCommandRollPlusX = 6,
    kCommandTogglePause = 7,
    // Roll towards the cell (x, y) when it is one of the die's four neighbours.
    kCommandRollToCell = 8,
    // Start the level again at the cost of a life, as a fall would.
    kCommandRestart = 9,
    // One past the last kind.
    kCommandKindEnd,
};

struct GameCommand {
    int32_t kind = kCommandNothing;
    int32_t x = -1;
    int32_t y = -1;

    constexpr GameCommand() = default;
    constexpr GameCommand(int32_t kind_, int32_t x_ = -1, int32_t y_ = -1) : kind(kind_), x(x_), y(y_) {}
};

}  // namespace nimbus
