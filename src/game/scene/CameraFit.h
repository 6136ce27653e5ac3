#pragma once

namespace nimbus {

struct Camera;
struct Vector3;

// Places the camera behind and above the die, looking down at it from the side of x - 1
// and z - 1, far enough back that a stretch of about eight cells fits across a view whose
// diagonal-ish opening is `fitAngle` (radians). The camera keeps one height whatever the
// die does, so the board does not bob while the die rolls; it slides along with it.
void fitCameraToDie(Camera& camera, const Vector3& die, float fitAngle);

}  // namespace nimbus
