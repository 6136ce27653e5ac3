#pragma once

#include <cstdint>

#include "game/rules/PickupKind.h"
#include "game/rules/TileColor.h"

namespace nimbus {

// One cell of a board. The fall step is used as unsigned: -1 (the default) lets the tile
// stand for about 270 years of level time.
struct Tile {
    int32_t fallStep = -1;
    int32_t pickup = kPickupNone;
    int32_t color = kUndefined;
    // Set when the die first arrives; never stored in a level file.
    bool visited = false;

    Tile() = default;
    explicit Tile(int32_t color_) : color(color_) {}
    Tile(int32_t fallStep_, int32_t color_) : fallStep(fallStep_), color(color_) {}

    // Visited marks do not make tiles differ.
    bool operator==(const Tile& o) const {
        return fallStep == o.fallStep && pickup == o.pickup && color == o.color;
    }
    bool operator!=(const Tile& o) const { return !(*this == o); }
};

}  // namespace nimbus
