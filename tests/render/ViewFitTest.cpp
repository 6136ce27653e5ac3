// The 4:3 view in windows of other shapes: where it sits, how the pointer's pixels reach
// it, how far the window reaches past it, and what the camera shows in the bands.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "render/Camera.h"
#include "render/ViewFit.h"

using namespace nimbus;

namespace {

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
        EXPECT_TRUE(fit.view() == c.view)
            << fit.view().x << " " << fit.view().y << " " << fit.view().width << " " << fit.view().height;
        int32_t x = c.windowX, y = c.windowY;
        fit.toViewPixel(x, y);
        EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.viewX, c.viewY));
        Vector2 min, max;
        fit.windowExtent(kViewMin, kViewMax, min, max);
        EXPECT_EQ(corners(min, max), corners({-c.reachX, -c.reachY}, {c.reachX, c.reachY}));
    }
}

// Only the edges on the view's edge (within the rounding of the GUI document) go on to the
// window's; the others stay.
TEST(ViewFit, EdgesOnTheViewsEdgeReachTheWindowsAndInnerOnesStay) {
    const ViewFit fit(1600, 900);
    const Vector2 cases[][4] = {
        {{-1.33335f, -0.5f}, {0.5f, 1.0f}, {-16.0f / 9.0f, -0.5f}, {0.5f, 1.0f}},
        {{-0.5f, -0.9999f}, {1.3333f, 0.5f}, {-0.5f, -1.0f}, {16.0f / 9.0f, 0.5f}},
    };
    for (const auto& c : cases) {
        Vector2 min = c[0], max = c[1];
        fit.reachWindow(kViewMin, kViewMax, min, max);
        EXPECT_EQ(corners(min, max), corners(c[2], c[3])) << c[0].x;
    }
}

// A point at the view's edge for the standard camera lands where the view's edge lies in
// the window, and the window's own edge shows more.
TEST(ViewFit, TheWidenedCameraShowsTheViewWhereItSitsAndMoreAroundIt) {
    const float top = std::tan(3.14159265f / 12);
    const Vector3 corner(10 * top * 4 / 3, 10 * top, -10);
    const struct {
        int32_t width, height;
        float ndcX, ndcY;
    } cases[] = {{1024, 768, 1, 1}, {1600, 900, 0.75f, 1}, {1280, 1024, 1, 0.9375f}};
    for (const auto& c : cases) {
        const Camera camera = makeStandardCamera(ViewFit(c.width, c.height));
        const Vector4 clip = Vector4(corner, 1) * camera.viewProjection;
        EXPECT_NEAR(clip.x / clip.w, c.ndcX, 1e-5f) << c.width << " x " << c.height;
        EXPECT_NEAR(clip.y / clip.w, c.ndcY, 1e-5f) << c.width << " x " << c.height;
    }
}
