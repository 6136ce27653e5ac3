#pragma once

#include <cstdint>

namespace nimbus {

// The player's standing across all levels of one game.
struct PlayerStats {
    // What the combo timer is set to at each new tile.
    static constexpr float kComboSeconds = 4.0f;

    int32_t score = 0;
    int32_t lives = 3;
    // Doubles with each new tile visited before the combo timer runs out; 1 to 32.
    int32_t multiplier = 1;
    // Seconds left before the multiplier falls back to 1.
    float comboTimer = 0.0f;
};

}  // namespace nimbus
