#include "game/solver/SolutionReplay.h"

#include <algorithm>

namespace nimbus {

SolutionReplay::SolutionReplay(const std::vector<SolutionStep>& steps, int lateFrames)
    : steps_(steps),
      lateFrames_(lateFrames),
      busyFrames_(DieTurns(kFrameSeconds).busyFrames()),
      takenAt_(-busyFrames_) {}

int SolutionReplay::handInFrame() const {
    const SolutionStep& step = steps_[next_];
    if (lateFrames_ == 0 && step.waitFrames == 0) return takenAt_ + 1;
    return takenAt_ + busyFrames_ + step.waitFrames + lateFrames_;
}

bool SolutionReplay::play(ReplayTarget& target, int frames) {
    for (int i = 0; i < frames; ++i) {
        if (!finished() && frame_ >= handInFrame() && target.handIn(steps_[next_])) {
            // A command keyed in while the die still turns is taken when it lands.
            takenAt_ = std::max(frame_, takenAt_ + busyFrames_);
            ++next_;
        }
        ++frame_;
        if (target.passFrame()) return true;
    }
    return false;
}

}  // namespace nimbus
