#pragma once

namespace nimbus {

struct PlayerStats;

// What a pick-up effect may reach of the game that collected it.
class Game {
public:
    virtual ~Game() = default;
    // The player's stats, shared by every level of the game; not owned.
    virtual PlayerStats* stats() const = 0;
};

}  // namespace nimbus
