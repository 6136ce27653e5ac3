#pragma once

#include <memory>

#include "game/rules/PlayerStats.h"
#include "game/rules/RunRecording.h"

namespace nimbus {

class Board;
class GameDice;
class GameImpl;
class RunPlayback;

// A level's best run racing along while the level is played again: a silent rules object
// of its own lives the recorded run as the time of the level in play passes, so its die
// stands where the best run's stood at the same moment. It starts over with the level
// (a life lost).
class GhostRun {
public:
    // The recorded run of the level whose board, as its map gave it, is `level`.
    GhostRun(RunRecording run, const Board& level);
    ~GhostRun();
    GhostRun(const GhostRun&) = delete;
    GhostRun& operator=(const GhostRun&) = delete;

    // Back to the level's start.
    void restart();
    // Lets `seconds` of the level pass.
    void advance(float seconds);
    const GameDice& die() const;

private:
    RunRecording run_;
    std::unique_ptr<Board> level_;
    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    std::unique_ptr<RunPlayback> playback_;
};

}  // namespace nimbus
