#include "game/scene/CameraFit.h"

#include <cmath>

#include "render/Camera.h"

namespace nimbus {

void fitCameraToDie(Camera& camera, const Vector3& die, float fitAngle) {
    const float distance = 4.0f * std::sqrt(2.0f) / std::tan(fitAngle * 0.5f);
    const Vector3 back = normalise({-1.0f, 2.0f, -1.0f}) * distance;
    const Vector3 eye{die.x + back.x + 4.0f, back.y, die.z + back.z + 1.0f};
    Transform world;
    world.z = normalise(eye - die);
    world.x = normalise(cross({0.0f, 1.0f, 0.0f}, world.z));
    world.y = normalise(cross(world.z, world.x));
    // The eye sits one cell nearer +z than the point the axes were aimed from, which
    // keeps the die a little below the middle of the view.
    world.t = {eye.x, eye.y, eye.z + 1.0f};
    camera.setTransform(world);
}

}  // namespace nimbus
