#include <gtest/gtest.h>

#include <cmath>

#include "Polygon.h"

namespace nimbus {
namespace {

float triangleArea2(const Outline& o, const std::array<int, 3>& t) {
    const auto& a = o[static_cast<size_t>(t[0])];
    const auto& b = o[static_cast<size_t>(t[1])];
    const auto& c = o[static_cast<size_t>(t[2])];
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}

TEST(Polygon, ConcaveOutlinesTriangulateIntoCounterClockwiseTrianglesCoveringTheArea) {
    // An L and an arrow: both have a reflex corner an ear must not be cut across.
    const Outline shapes[] = {
        {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}},
        {{-0.22f, -0.06f},
         {0.04f, -0.06f},
         {0.04f, -0.16f},
         {0.27f, 0},
         {0.04f, 0.16f},
         {0.04f, 0.06f},
         {-0.22f, 0.06f}},
    };
    for (const Outline& shape : shapes) {
        const Outline ccw = counterClockwise(shape);
        const auto triangles = triangulate(ccw);
        ASSERT_EQ(triangles.size(), shape.size() - 2);
        float sum = 0.0f;
        for (const auto& t : triangles) {
            EXPECT_GT(triangleArea2(ccw, t), 0.0f);
            sum += triangleArea2(ccw, t);
        }
        EXPECT_NEAR(sum, signedArea2(ccw), 1e-5f);
    }
}

TEST(Polygon, OrientationSimplicityAndInset) {
    const Outline clockwise{{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    EXPECT_LT(signedArea2(clockwise), 0.0f);
    EXPECT_GT(signedArea2(counterClockwise(clockwise)), 0.0f);

    EXPECT_TRUE(isSimplePolygon(clockwise));
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 1}, {1, 0}, {0, 1}}));  // a bow tie
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 0}, {2, 0}}));          // no area
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 0}, {1, 0}, {0, 1}}));  // a repeated corner

    const Outline inner = inset(counterClockwise(clockwise), 0.1f);
    EXPECT_NEAR(signedArea2(inner), 2.0f * 0.8f * 0.8f, 1e-5f);
    for (const auto& corner : inner) {
        EXPECT_NEAR(std::fabs(corner[0] - 0.5f), 0.4f, 1e-5f);
        EXPECT_NEAR(std::fabs(corner[1] - 0.5f), 0.4f, 1e-5f);
    }
    EXPECT_TRUE(insetStaysSimple(clockwise, 0.4f));
    // Past half its width the square would come out turned through its middle.
    EXPECT_FALSE(insetStaysSimple(clockwise, 0.6f));
    EXPECT_FALSE(insetStaysSimple({{0, 0}, {0.1f, 0}, {0, 0.1f}}, 0.09f));
}

}  // namespace
}  // namespace nimbus
