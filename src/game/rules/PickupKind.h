#pragma once

#include <cstdint>

namespace nimbus {

// What lies on a tile for the die to collect; kPickupLast counts the kinds and never
// lies on a tile.
enum PickupKind : int32_t {
    kPickupNone = 0,
    kPickupExtraLife = 1,
    kPickupStopTime = 2,
    kPickupReverseTime = 3,
    kPickupLast = 4,
};

// "None", "ExtraLife", "StopTime", "ReverseTime" or "Last"; "None" for anything else.
const char* pickupKindName(int32_t kind);

}  // namespace nimbus
