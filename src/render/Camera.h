#pragma once

#include "core/math/Matrix44.h"
#include "core/math/Transform.h"

namespace nimbus {

class Shader;
class ViewFit;

// The eye every frame is drawn through: a perspective projection and a placement in the
// world. A plain value; a new camera has identity matrices and zero parameters.
struct Camera {
    Matrix44 projection;
    // view × projection, kept in step by the setters.
    Matrix44 viewProjection;
    // The inverse of `world`.
    Transform view;
    // Rows: X axis, Y axis, Z axis (pointing back, away from what is looked at), position.
    Transform world;
    float aspect = 0.0f;
    float fovy = 0.0f;  // vertical field of view in radians
    float nearDistance = 0.0f;
    float farDistance = 0.0f;

    // A GL-style frustum for the vertical field of view, in the row-vector convention.
    void setPerspective(float aspectRatio, float fovyRadians, float nearZ, float farZ);
    // Places the camera; `transform` must be rigid (orthonormal axes).
    void setTransform(const Transform& transform);
    // Sets "g_viewProjection" and "g_view" on the effect.
    void apply(Shader& shader) const;
    // Whether any of the sphere may lie inside the view, between the near and far planes.
    // A sphere wholly outside one of the six planes is not seen; one near a corner
    // outside two planes at once may still count as seen.
    bool sees(const Vector3& centre, float radius) const;
};

// The camera of the game and the GUI: 4:3, 30 degrees vertically, near 1, far 50, at the
// origin looking down -z.
Camera makeStandardCamera();
// The standard camera for a whole window the view fits into: the same picture where the
// view sits, carried on over the bands beside or above it.
Camera makeStandardCamera(const ViewFit& fit);

}  // namespace nimbus
