#include <gtest/gtest.h>

#include <vector>

#include "core/TimeSource.h"
#include "game/FramePacer.h"

using namespace nimbus;

namespace {

// A clock that never moves: each present time is handed in.
struct StillClock : TimeSource {
    int64_t ticksPerSecond;
    explicit StillClock(int64_t frequency) : ticksPerSecond(frequency) {}
    int64_t now() const override { return 0; }
    int64_t frequency() const override { return ticksPerSecond; }
};

}  // namespace

// The wait after each present: frames that present at once are spread to the display's
// rate (120 a second when it is unknown); a frame that presents on time waits nothing,
// as under working vertical sync; a late frame is not made up for.
TEST(FramePacer, WaitsOutTheRestOfEachFrameAndNeverCatchesUp) {
    struct Case {
        const char* what;
        float rate;
        std::vector<int64_t> presents;
        std::vector<int64_t> waits;
    };
    // 1200 ticks a second: 10 ticks a frame at 120 Hz, 20 at 60 Hz.
    const Case cases[] = {
        {"quick frames at an unknown rate", 0.0f, {0, 2, 13, 21}, {0, 8, 7, 9}},
        {"quick frames at 60 Hz", 60.0f, {100, 101, 121}, {0, 19, 19}},
        {"frames on time, as vertical sync gives them", 60.0f, {0, 20, 40, 60}, {0, 0, 0, 0}},
        {"a late frame starts the count anew", 0.0f, {0, 1, 35, 36, 47}, {0, 9, 0, 9, 8}},
    };
    for (const Case& c : cases) {
        StillClock clock(1200);
        FramePacer pacer(clock, c.rate);
        std::vector<int64_t> waits;
        for (int64_t present : c.presents) waits.push_back(pacer.waitAfter(present));
        EXPECT_EQ(waits, c.waits) << c.what;
    }
}
