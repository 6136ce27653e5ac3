#pragma once

#include <memory>
#include <string>

#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"
#include "game/solver/SolutionReplay.h"

namespace nimbus {

// A shipped level played from its start along its shortest solution, straight into the
// rules object at the game's update rate and without sound, to show and measure the
// scene at a chosen moment. The drawing resources must be loaded first (the game fetches
// them when it starts).
class LevelPlayback : private ReplayTarget {
public:
    // Reads and solves the level source; false, with the reason logged, when it does not
    // parse or cannot be won. Every command goes `lateFrames` after the solution's moment.
    bool start(const std::string& levelSource, int lateFrames = 0);
    // Plays on along the solution for about this many seconds.
    void play(float seconds);

    GameImpl& game() { return *game_; }

private:
    bool handIn(const SolutionStep& step) override;
    bool passFrame() override;

    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    std::unique_ptr<SolutionReplay> replay_;
};

}  // namespace nimbus
