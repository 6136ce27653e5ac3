#include <gtest/gtest.h>

#include <cmath>

#include "render/Camera.h"

using namespace nimbus;

namespace {

Vector3 afterDivide(const Vector3& point, const Matrix44& m) {
    const Vector4 clip = Vector4(point, 1) * m;
    return Vector3(clip.x / clip.w, clip.y / clip.w, clip.z / clip.w);
}

// The game's view runs from 1 to 50 units ahead, for row vectors; its edges are checked
// with the view fit.
TEST(Camera, TheStandardViewReachesTheDepthRange) {
    const Camera camera = makeStandardCamera();
    for (const auto& [z, depth] :
         {std::pair(-1.0f, -1.0f), std::pair(-50.0f, 1.0f), std::pair(-10.0f, 41.0f / 49)})
        EXPECT_NEAR(length(afterDivide({0, 0, z}, camera.viewProjection) - Vector3(0, 0, depth)), 0.0f, 1e-5f)
            << z;
}

TEST(Camera, PlacingTheCameraViewsTheWorldFromIt) {
    Camera camera = makeStandardCamera();
    Transform world;  // turned a quarter about y, standing at (3, 2, 5)
    world.x = Vector3(0, 0, -1);
    world.z = Vector3(1, 0, 0);
    world.t = Vector3(3, 2, 5);
    camera.setTransform(world);
    EXPECT_EQ(camera.world.t, world.t);
    EXPECT_NEAR(length(camera.view.applyToPoint(Vector3(3, 2, 5))), 0.0f, 1e-6f);
    // A point ahead of the camera (against its z axis) is ahead in the view, too, and at
    // the centre of the screen as far into the depth range as the same point before.
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
        {"touching the right edge", {side + 0.5f, 0, -10}, 0.6f, true},
        {"beside the right edge", {side + 0.7f, 0, -10}, 0.6f, false},
        {"beside the left edge", {-side - 0.7f, 0, -10}, 0.6f, false},
        {"over the top edge", {0, top + 0.6f, -10}, 0.5f, false},
        {"under the bottom edge", {0, -top - 0.6f, -10}, 0.5f, false},
        {"reaching over the top edge", {0, top + 0.4f, -10}, 0.5f, true},
    };
    for (const auto& [name, centre, radius, seen] : cases)
        EXPECT_EQ(camera.sees(centre, radius), seen) << name;
}

}  // namespace
