// The camera's view, and the 4:3 view in windows of other shapes: where it sits, the
// pointer's pixels in it, and what the window and the camera show past it.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/Camera.h"
#include "render/ViewFit.h"

using namespace nimbus;

namespace {

Vector3 afterDivide(const Vector3& point, const Matrix44& m) {
    const Vector4 clip = Vector4(point, 1) * m;
    return Vector3(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
}

// The game's view runs from 1 to 50 units ahead, for row vectors: 10 ahead lies 41/49
// into the depth range. Its edges are checked with the view fit.
TEST(Camera, PlacingTheCameraViewsTheWorldFromIt) {
    Camera camera = makeStandardCamera();
    // Turned a quarter about y, standing at (3, 2, 5).
    const Transform world{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}, {3, 2, 5}};
    camera.setTransform(world);
    EXPECT_EQ(camera.world.t, world.t);
    // A point ahead of the camera (against its z) is ahead in the view, as deep as before.
    const Vector3 ahead = Vector3(3, 2, 5) - world.z * 10.0f;
    EXPECT_NEAR(length(camera.view.applyToPoint(ahead) - Vector3(0, 0, -10)), 0.0f, 1e-5f);
    EXPECT_NEAR(length(afterDivide(ahead, camera.viewProjection) - Vector3(0, 0, 41.0f / 49)), 0.0f, 1e-5f);
}

// The standard view is 15 degrees to the top and 4/3 of that to the side, from 1 to 50.
TEST(Camera, ASphereIsSeenUnlessWhollyBeyondOnePlaneOfTheView) {
    const Camera camera = makeStandardCamera();
    const float top = 10 * std::tan(3.14159265f / 12), side = top * 4 / 3;
    const std::tuple<const char*, Vector3, float, bool> cases[] = {
        {"ahead", {0, 0, -10}, 0.5f, true},
        {"behind", {0, 0, 10}, 0.5f, false},
        {"straddling the near plane", {0, 0, -0.6f}, 0.5f, true},
        {"before the near plane", {0, 0, -0.4f}, 0.5f, false},
        {"straddling the far plane", {0, 0, -50.4f}, 0.5f, true},
        {"beyond the far plane", {0, 0, -50.6f}, 0.5f, false},
        {"reaching past the right edge", {side + 0.62f, 0, -10}, 0.6f, true},
        {"beside the right edge", {side + 0.7f, 0, -10}, 0.6f, false},
        {"beside the left edge", {-side - 0.7f, 0, -10}, 0.6f, false},
        {"over the top edge", {0, top + 0.6f, -10}, 0.5f, false},
        {"under the bottom edge", {0, -top - 0.6f, -10}, 0.5f, false},
        {"reaching over the top edge", {0, top + 0.4f, -10}, 0.5f, true},
    };
    for (const auto& [name, centre, radius, seen] : cases)
        EXPECT_EQ(camera.sees(centre, radius), seen) << name;
}

const Vector2 kViewMin(-4.0f / 3.0f, -1.0f), kViewMax(4.0f / 3.0f, 1.0f);

std::vector<float> corners(const Vector2& min, const Vector2& max) {
    return {std::round(min.x * 1e4f), std::round(min.y * 1e4f), std::round(max.x * 1e4f),
            std::round(max.y * 1e4f)};
}

struct FitCase {
    int32_t width, height;
    PixelRect view;
    // A window pixel (from the top) and the view pixel it shows.
    int32_t windowX, windowY, viewX, viewY;
    // The window's edges in GUI units.
    float reachX, reachY;
};

const FitCase kFits[] = {
    {1024, 768, {0, 0, 1024, 768}, 1023, 767, 1023, 767, 4.0f / 3.0f, 1.0f},
    // Wider than 4:3: bands left and right; the band's pixels lie before the view's first.
    {1600, 900, {200, 0, 1200, 900}, 0, 450, -171, 384, 16.0f / 9.0f, 1.0f},
    {1600, 900, {200, 0, 1200, 900}, 1399, 899, 1023, 767, 16.0f / 9.0f, 1.0f},
    // Narrower: bands above and below.
    {1280, 1024, {0, 32, 1280, 960}, 640, 0, 512, -26, 4.0f / 3.0f, 1024.0f / 960.0f},
    {1280, 1024, {0, 32, 1280, 960}, 0, 32, 0, 0, 4.0f / 3.0f, 1024.0f / 960.0f},
    {800, 600, {0, 0, 800, 600}, 799, 599, 1023, 767, 4.0f / 3.0f, 1.0f},
};

}  // namespace

TEST(ViewFit, TheViewSitsCentredAndWindowPixelsMapOntoItsOwn) {
    for (const FitCase& c : kFits) {
        SCOPED_TRACE(testing::Message()
                     << c.width << " x " << c.height << " at " << c.windowX << ", " << c.windowY);
        const ViewFit fit(c.width, c.height);
        EXPECT_TRUE(fit.view() == c.view);
        int32_t x = c.windowX, y = c.windowY;
        fit.toViewPixel(x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.viewX, c.viewY));
        Vector2 min, max;
        fit.windowExtent(kViewMin, kViewMax, min, max);
        EXPECT_EQ(corners(min, max), corners({-c.reachX, -c.reachY}, {c.reachX, c.reachY}));
    }
}

// "On the view's edge" is within the rounding of the GUI document.
TEST(ViewFit, EdgesOnTheViewsEdgeReachTheWindowsAndInnerOnesStay) {
    const ViewFit fit(1600, 900);
    const Vector2 cases[][4] = {
        {{-1.33335f, -0.5f}, {0.5f, 0.9999f}, {-16.0f / 9.0f, -0.5f}, {0.5f, 1.0f}},
        {{-0.5f, -0.9999f}, {1.3333f, 0.5f}, {-0.5f, -1.0f}, {16.0f / 9.0f, 0.5f}},
    };
    for (const auto& c : cases) {
        Vector2 min = c[0], max = c[1];
        fit.reachWindow(kViewMin, kViewMax, min, max);
        EXPECT_EQ(corners(min, max), corners(c[2], c[3])) << c[0].x;
    }
}

// A point at the standard camera's edge lands on the view's edge in the window.
TEST(ViewFit, TheWidenedCameraShowsTheViewWhereItSitsAndMoreAroundIt) {
    const float top = std::tan(3.14159265f / 12);
    const Vector3 corner(10 * top * 4 / 3, 10 * top, -10);
    // The window's size and where the corner lands, after the divide.
    const std::tuple<int32_t, int32_t, float, float> cases[] = {
        {1024, 768, 1, 1}, {1600, 900, 0.75f, 1}, {1280, 1024, 1, 0.9375f}};
    for (const auto& [width, height, x, y] : cases) {
        const Vector3 ndc = afterDivide(corner, makeStandardCamera(ViewFit(width, height)).viewProjection);
        EXPECT_NEAR(length(ndc - Vector3(x, y, 41.0f / 49)), 0.0f, 1e-5f) << width << " x " << height;
    }
}
