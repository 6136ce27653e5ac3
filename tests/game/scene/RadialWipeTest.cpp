#include <gtest/gtest.h>

#include <cmath>

#include "game/scene/RadialWipe.h"

using namespace nimbus;

namespace {

constexpr float kPi = 3.14159265f;

// An icon over x 1..3, y 2..4 whose texture coordinates run from (0, 1) at the lower
// left to (0.5, 0.5) at the upper right.
IconSquare square() {
    IconSquare s;
    s.lowerLeft = {1.0f, 2.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f};
    s.upperRight = {3.0f, 4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f};
    return s;
}

float area(const ScreenQuad& q) {
    const ScreenVertex &a = q.corners[0], &b = q.corners[1], &c = q.corners[2];
    return std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) * 0.5f;
}

// At 0, a quarter, a half and a full turn the wipe shows all, three quarters, half and
// none of the square: the fan slices add up to that share of its area, the hand points
// where the angle says, and the texture and colour follow the position linearly.
TEST(RadialWipe, ShowsTheShareOfTheSquareClockwiseFromTheHandToTwelveOClock) {
    struct Case {
        float angle;
        int32_t quads;
        float share;
        float handX, handY;
    };
    const Case cases[] = {
        {0.0f, 5, 1.0f, 2.0f, 4.0f},
        {0.5f * kPi, 4, 0.75f, 3.0f, 3.0f},
        {kPi, 3, 0.5f, 2.0f, 2.0f},
        {2.0f * kPi, 0, 0.0f, 0.0f, 0.0f},
    };
    for (const Case& c : cases) {
        ScreenQuad quads[kMaxWipeQuads];
        const int32_t n = radialWipe(square(), c.angle, quads);
        ASSERT_EQ(n, c.quads) << c.angle;
        float total = 0.0f;
        for (int32_t i = 0; i < n; ++i) {
            const ScreenQuad& q = quads[i];
            EXPECT_FLOAT_EQ(q.corners[0].x, 2.0f);
            EXPECT_FLOAT_EQ(q.corners[0].y, 3.0f);
            EXPECT_EQ(q.corners[2].x, q.corners[3].x);
            EXPECT_EQ(q.corners[2].y, q.corners[3].y);
            // Each slice starts where the one before ended.
            if (i > 0) {
                EXPECT_EQ(q.corners[1].x, quads[i - 1].corners[2].x);
            }
            for (const ScreenVertex& v : q.corners) {
                EXPECT_NEAR(v.u, (v.x - 1.0f) * 0.25f, 1e-5f);
                EXPECT_NEAR(v.v, 1.0f - (v.y - 2.0f) * 0.25f, 1e-5f);
                EXPECT_NEAR(v.a, ((v.x - 1.0f) + (v.y - 2.0f)) * 0.25f, 1e-5f);
            }
            total += area(q);
        }
        EXPECT_NEAR(total, 4.0f * c.share, 1e-4f) << c.angle;
        if (n == 0) continue;
        EXPECT_NEAR(quads[0].corners[1].x, c.handX, 1e-5f) << c.angle;
        EXPECT_NEAR(quads[0].corners[1].y, c.handY, 1e-5f) << c.angle;
        EXPECT_FLOAT_EQ(quads[n - 1].corners[2].x, 2.0f);
        EXPECT_FLOAT_EQ(quads[n - 1].corners[2].y, 4.0f);
    }
}

}  // namespace
