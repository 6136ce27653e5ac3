#include <gtest/gtest.h>
#include <unistd.h>

#include "core/posix/SystemTimeSource.h"

using namespace nimbus;

TEST(TimeSource, FrameTimesComeFromTicksOfTheSystemClock) {
    SystemTimeSource clock;
    const int64_t before = clock.now();
    usleep(20000);
    const float seconds = elapsedSeconds(clock, before, clock.now());
    EXPECT_GE(seconds, 0.02f);
    EXPECT_LT(seconds, 1.0f);
    EXPECT_FLOAT_EQ(elapsedSeconds(clock, 5000, 5000 + 16000000), 0.016f);
    EXPECT_EQ(elapsedSeconds(clock, 5016, 5000), 0.0f) << "a clock running back gives no time";
}
