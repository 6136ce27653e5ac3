#include <gtest/gtest.h>

#include "core/posix/SystemTimeSource.h"

using namespace nimbus;

namespace {
class FixedFrequency : public TimeSource {
public:
    int64_t now() const override { return 0; }
    int64_t frequency() const override { return 1000; }
};
}  // namespace

TEST(TimeSource, FrameTimeFromTicks) {
    FixedFrequency source;
    EXPECT_FLOAT_EQ(elapsedSeconds(source, 5000, 5016), 0.016f);
    EXPECT_EQ(elapsedSeconds(source, 5016, 5000), 0.0f);
}

TEST(TimeSource, SystemClockIsMonotonic) {
    SystemTimeSource clock;
    const int64_t a = clock.now();
    const int64_t b = clock.now();
    EXPECT_LE(a, b);
    EXPECT_EQ(clock.frequency(), 1000000000);
}
