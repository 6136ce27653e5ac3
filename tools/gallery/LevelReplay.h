#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Solver.h"
#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"

namespace nimbus {

// A shipped level played from its start along its shortest solution, at the game's
// update rate and without sound, to show and measure the scene at a chosen moment. The
// drawing resources must be loaded first (the game fetches them when it starts).
class LevelReplay {
public:
    // Reads and solves the level source; false, with the reason logged, when it does not
    // parse or cannot be won.
    bool start(const std::string& levelSource);
    // Plays on for about this many seconds: each command is handed in as the die takes it,
    // after the waits the solution asks for.
    void play(float seconds);

    GameImpl& game() { return *game_; }
    PlayerStats& stats() { return stats_; }

private:
    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    std::vector<SolutionStep> steps_;
    size_t next_ = 0;
    int waited_ = 0;
};

}  // namespace nimbus
