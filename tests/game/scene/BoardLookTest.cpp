#include <gtest/gtest.h>

#include <cmath>

#include "game/scene/BoardLook.h"
#include "game/scene/CameraFit.h"
#include "render/Camera.h"

namespace nimbus {
namespace {

// The coarse brick's studs are painted as seen along kFarTileView, which must be where
// the game's camera, wherever the die stands, sees the tiles just past the switch from:
// straight ahead of it, a cell beyond the switch distance.
TEST(BoardLook, FarTilesAreSeenFromWhereTheirStudsArePainted) {
    for (const Vector3& die : {Vector3(0.0f, 0.0f, 0.0f), Vector3(7.5f, 0.0f, 12.5f)}) {
        Camera camera = makeStandardCamera();
        fitCameraToDie(camera, die, std::atan(std::tan(camera.fovy) * camera.aspect));
        const Vector3 eye = camera.world.t;
        const Vector3 ahead = normalise({-camera.world.z.x, 0.0f, -camera.world.z.z});
        const float distance = kCoarseTileDistance + 1.0f;
        const Vector3 tile =
            Vector3(eye.x, 0.0f, eye.z) + ahead * std::sqrt(distance * distance - eye.y * eye.y);
        const float degrees =
            std::acos(dot(normalise(eye - tile), normalise(kFarTileView))) * 180.0f / 3.14159265f;
        EXPECT_LT(degrees, 3.0f) << "at die " << die.x << ", " << die.z;
    }
}

}  // namespace
}  // namespace nimbus
