#pragma once

namespace nimbus {

struct Transform;

// The part of the ground plane y = 0 that a camera sees, as bounds in world x and z.
struct GroundFootprint {
    float minX;
    float maxX;
    float minZ;
    float maxZ;
};

// Casts the rays through the four corners of the near rectangle of a camera placed by
// `world` (rows X, Y, Z axis, position; looking down -Z) onto the ground and bounds the
// hits. The corner rays must point down at the ground.
GroundFootprint groundFootprint(const Transform& world, float fovy, float aspect, float nearDistance);

}  // namespace nimbus
