#pragma once

#include <cstddef>
#include <vector>

#include "game/solver/Solver.h"

namespace nimbus {

// What a solution is played into: the rules object itself, or the running game through
// its keys.
class ReplayTarget {
public:
    // Hands the command of the step's turn in; whether the game took it. A target that
    // presses keys returns true: the game keeps a pressed key until the die can take it.
    virtual bool handIn(const SolutionStep& step) = 0;
    // Lets one frame pass at the game's update rate; true once the level is over.
    virtual bool passFrame() = 0;

protected:
    ~ReplayTarget() = default;
};

// Plays a solution frame by frame with the timing the solver gave it. A step is due once
// the die has landed from the turn before and stood still for the step's wait. With no
// lateness, a step without a wait is handed in the frame after the game took the step
// before, while the die still turns, as a quick player keys ahead, and a step with a
// wait the frame it is due. With `lateFrames` every step is handed in that long after it
// is due, for a player whose keys take a while to reach the game. A command the game
// does not take is handed in again the next frame.
class SolutionReplay {
public:
    explicit SolutionReplay(const std::vector<SolutionStep>& steps, int lateFrames = 0);

    // Plays at most `frames` frames; true once the level is over.
    bool play(ReplayTarget& target, int frames);
    // Whether every step has been handed in.
    bool finished() const { return next_ == steps_.size(); }

private:
    int handInFrame() const;

    std::vector<SolutionStep> steps_;
    int lateFrames_;
    int busyFrames_;
    size_t next_ = 0;
    int frame_ = 0;
    // The frame the game took the step before; at the start, a whole turn before the
    // first frame, so that the die stands ready from the first frame on.
    int takenAt_;
};

}  // namespace nimbus
