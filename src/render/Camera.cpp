#include "render/Camera.h"

#include <cmath>

#include "render/Shader.h"
#include "render/ViewSize.h"

namespace nimbus {

void Camera::setPerspective(float aspectRatio, float fovyRadians, float nearZ, float farZ) {
    const float top = nearZ * std::tan(fovyRadians / 2.0f);
    const float right = top * aspectRatio;
    // The GL frustum with left = -right and bottom = -top, transposed for row vectors.
    Matrix44 m;
    m.m[0][0] = nearZ / right;
    m.m[1][1] = nearZ / top;
    m.m[2][2] = -(farZ + nearZ) / (farZ - nearZ);
    m.m[2][3] = -1.0f;
    m.m[3][2] = -2.0f * farZ * nearZ / (farZ - nearZ);
    m.m[3][3] = 0.0f;
    projection = m;
    aspect = aspectRatio;
    fovy = fovyRadians;
    nearDistance = nearZ;
    farDistance = farZ;
    viewProjection = view.toMatrix() * projection;
}

void Camera::setTransform(const Transform& transform) {
    world = transform;
    view = transform.rigidInverse();
    viewProjection = view.toMatrix() * projection;
}

void Camera::apply(Shader& shader) const {
    shader.setMatrix("g_viewProjection", viewProjection);
    shader.setTransform("g_view", view);
}

Camera makeStandardCamera() {
    Camera camera;
    camera.setPerspective(kViewAspect, 0.5235988f, 1.0f, 50.0f);
    camera.setTransform(Transform());
    return camera;
}

}  // namespace nimbus
