#include "game/scene/GroundFootprint.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/math/Transform.h"

namespace nimbus {

GroundFootprint groundFootprint(const Transform& world, float fovy, float aspect, float nearDistance) {
    const float largest = std::numeric_limits<float>::max();
    GroundFootprint f{largest, -largest, largest, -largest};
    const float h = nearDistance * std::tan(fovy * 0.5f);
    const float w = h * aspect;
    const Vector3 corners[4] = {
        {-w, h, -nearDistance}, {w, h, -nearDistance}, {w, -h, -nearDistance}, {-w, -h, -nearDistance}};
    const Vector3& p = world.t;
    for (const Vector3& corner : corners) {
        const Vector3 d = normalise(world.applyToDirection(corner));
        const Vector3 hit = p + d * (-p.y / d.y);
        f.minX = std::min(f.minX, hit.x);
        f.maxX = std::max(f.maxX, hit.x);
        f.minZ = std::min(f.minZ, hit.z);
        f.maxZ = std::max(f.maxZ, hit.z);
    }
    return f;
}

}  // namespace nimbus
