#pragma once

#include <cstdint>

namespace nimbus {

class GameAction;
class SoundInterface;

// What lies on a tile for the die to collect; kPickupLast counts the kinds and never
// lies on a tile.
enum PickupKind : int32_t {
    kPickupNone = 0,
    kPickupExtraLife = 1,
    kPickupStopTime = 2,
    kPickupReverseTime = 3,
    kPickupLast = 4,
};

// A rectangle of the HUD's icon atlas: texture coordinates of its lower-left corner,
// then of its upper-right one.
struct AtlasCell {
    float u0, v0, u1, v1;
};

// Everything the game and its tools know about one kind of pick-up.
struct PickupKindInfo {
    const char* name;                              // in the level compiler's messages
    char letter;                                   // in the pick-ups grid of a level source
    const char* mesh;                              // drawn on its tile; null for none
    AtlasCell hudCell;                             // its icon while its effect runs
    float clockRate;                               // the level clock's pace while its effect is at the front
    GameAction* (*create)(SoundInterface& sound);  // its effect; null for none

    // Whether its effect holds, slows or turns the level clock.
    bool bendsClock() const { return clockRate != 1.0f; }
};

// The row of a kind; the row of kPickupNone for anything that is not a kind.
const PickupKindInfo& pickupKindInfo(int32_t kind);

// The effect of a pick-up kind (the caller owns it), or null for a kind without one.
GameAction* createAction(int32_t kind, SoundInterface& sound);

}  // namespace nimbus
