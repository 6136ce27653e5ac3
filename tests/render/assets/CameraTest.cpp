#include <gtest/gtest.h>

#include <cmath>

#include "render/Camera.h"

using namespace nimbus;

TEST(Camera, TheStandardPerspectiveIsTheGlFrustumForRowVectors) {
    const Camera camera = makeStandardCamera();
    EXPECT_FLOAT_EQ(camera.aspect, 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(camera.fovy, 0.5235988f);
    EXPECT_FLOAT_EQ(camera.nearDistance, 1.0f);
    EXPECT_FLOAT_EQ(camera.farDistance, 50.0f);
    const auto& p = camera.projection.m;
    const float top = std::tan(0.5235988f / 2);
    EXPECT_FLOAT_EQ(p[0][0], 1.0f / (top * 4 / 3));
    EXPECT_FLOAT_EQ(p[1][1], 1.0f / top);
    EXPECT_FLOAT_EQ(p[2][2], -51.0f / 49.0f);
    EXPECT_FLOAT_EQ(p[3][2], -2.0f * 50 * 1 / 49);
    EXPECT_FLOAT_EQ(p[2][3], -1.0f);
    EXPECT_FLOAT_EQ(p[3][3], 0.0f);
    EXPECT_FLOAT_EQ(p[0][2], 0.0f);

    // The near and far planes land on -1 and +1 after the divide.
    for (float z : {-1.0f, -50.0f}) {
        const Vector4 clip = Vector4(0, 0, z, 1) * camera.viewProjection;
        EXPECT_NEAR(clip.z / clip.w, z == -1.0f ? -1.0f : 1.0f, 1e-5f);
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_FLOAT_EQ(camera.viewProjection.m[r][c], p[r][c]);
    }
}

TEST(Camera, PlacingTheCameraViewsTheWorldFromIt) {
    Camera fresh;
    EXPECT_EQ(fresh.aspect, 0.0f);
    EXPECT_EQ(fresh.projection.m[2][3], 0.0f);

    Camera camera = makeStandardCamera();
    Transform world;  // turned a quarter about y, standing at (3, 2, 5)
    world.x = Vector3(0, 0, -1);
    world.z = Vector3(1, 0, 0);
    world.t = Vector3(3, 2, 5);
    camera.setTransform(world);
    EXPECT_EQ(camera.world.t, world.t);
    const Vector3 eye = camera.view.applyToPoint(Vector3(3, 2, 5));
    EXPECT_NEAR(length(eye), 0.0f, 1e-6f);
    // A point ahead of the camera (against its z axis) is ahead in the view, too.
    const Vector3 ahead = camera.view.applyToPoint(Vector3(3, 2, 5) - world.z * 10.0f);
    EXPECT_NEAR(ahead.z, -10.0f, 1e-5f);
    EXPECT_NEAR(ahead.x, 0.0f, 1e-5f);
    const Vector4 clip = Vector4(Vector3(3, 2, 5) - world.z * 10.0f, 1) * camera.viewProjection;
    EXPECT_NEAR(clip.x / clip.w, 0.0f, 1e-5f);
    EXPECT_NEAR(clip.w, 10.0f, 1e-4f);
}
