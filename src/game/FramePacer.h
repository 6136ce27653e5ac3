#pragma once

#include <cstdint>

namespace nimbus {

class TimeSource;

// Keeps the frame loop from drawing more frames than the display shows. Where vertical
// sync works, presenting a frame already waits for the display and the pacer adds
// nothing; where presenting returns at once (no sync, a virtual display, a software
// renderer) the pacer waits out the rest of the frame's share of the second. A frame that
// came late starts the count anew: the frames after it are never hurried to catch up.
class FramePacer {
public:
    // Frames a second when the display does not tell its rate.
    static constexpr float kUnknownRate = 120.0f;

    // `rate` is the display's frames a second, 0 when unknown.
    FramePacer(const TimeSource& clock, float rate);

    // The clock ticks to wait after a frame presented at `now`.
    int64_t waitAfter(int64_t now);
    // Waits after the frame just presented.
    void wait();

private:
    const TimeSource& clock_;
    int64_t period_;
    // When the next frame may be presented; before the first frame, never.
    int64_t due_ = INT64_MIN;
};

}  // namespace nimbus
