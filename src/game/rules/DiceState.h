#pragma once

#include <array>

#include "game/rules/Position.h"
#include "game/rules/TileColor.h"

namespace nimbus {

// Face slots of the die: the sides towards x - 1, x + 1, y - 1 and y + 1 (the same
// numbers as the roll directions), then bottom and top.
enum DiceSlot : int32_t {
    kSlotMinusX = 0,
    kSlotPlusX = 1,
    kSlotMinusY = 2,
    kSlotPlusY = 3,
    kSlotBottom = 4,
    kSlotTop = 5,
};

// The die as the rules see it: its cell and the colour in each face slot. A new die
// holds colour i in slot i.
struct DiceState {
    Position position;
    std::array<int32_t, 6> faces{kRed, kGreen, kBlue, kYellow, kCyan, kMagenta};

    bool operator==(const DiceState& o) const { return position == o.position && faces == o.faces; }
    bool operator!=(const DiceState& o) const { return !(*this == o); }
};

}  // namespace nimbus
