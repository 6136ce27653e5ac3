#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace nimbus {

// The die's 24 orientations and how each roll and twist permutes them, worked out once
// by turning the game's own die, so the solver cannot disagree with it about which
// face lands. Turns are numbered 0 to 3 for the rolls in the four directions, 4 and 5
// for the twists of kind 0 and 1.
class DieTurns {
public:
    static constexpr int kTurnCount = 6;
    static constexpr int kStart = 0;  // the orientation of a new die

    // `frame` is the update step the game runs at, used to count how many updates a
    // turn keeps the die busy.
    explicit DieTurns(float frame);

    int orientationCount() const { return static_cast<int>(faces_.size()); }
    const std::array<int32_t, 6>& faces(int orientation) const { return faces_[orientation]; }
    int after(int orientation, int turn) const { return next_[orientation][turn]; }
    // The orientation with these faces by slot; -1 for faces no turning gives.
    int orientationOf(const std::array<int32_t, 6>& faces) const;
    // Updates from the start of a roll (its own frame's update included) until the die
    // takes the next command; the same for a twist.
    int busyFrames() const { return busyFrames_; }

private:
    std::vector<std::array<int32_t, 6>> faces_;
    std::vector<std::array<int, kTurnCount>> next_;
    int busyFrames_ = 0;
};

}  // namespace nimbus
