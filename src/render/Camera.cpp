#include "render/Camera.h"

#include <cmath>

#include "render/Shader.h"
#include "render/ViewFit.h"
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

bool Camera::sees(const Vector3& centre, float radius) const {
    const Vector3 v = view.applyToPoint(centre);
    const float depth = -v.z;
    if (depth + radius < nearDistance || depth - radius > farDistance) return false;
    // A side plane through the eye at slope t (half the view is t × depth wide) has the
    // unit normal (1, t) / sqrt(1 + t²) in the (across, depth) plane.
    const auto within = [&](float across, float t) {
        return std::fabs(across) - t * depth <= radius * std::sqrt(1.0f + t * t);
    };
    const float ty = std::tan(fovy * 0.5f);
    return within(v.x, ty * aspect) && within(v.y, ty);
}

Camera makeStandardCamera() {
    Camera camera;
    camera.setPerspective(kViewAspect, 0.5235988f, 1.0f, 50.0f);
    camera.setTransform(Transform());
    return camera;
}

Camera makeStandardCamera(const ViewFit& fit) {
    Camera camera = makeStandardCamera();
    const PixelRect& view = fit.view();
    const PixelRect& window = fit.window();
    if (view == window) return camera;
    const float wider = static_cast<float>(window.width) / static_cast<float>(view.width);
    const float taller = static_cast<float>(window.height) / static_cast<float>(view.height);
    const float halfHeight = std::tan(camera.fovy * 0.5f) * taller;
    camera.setPerspective(camera.aspect * wider / taller, 2.0f * std::atan(halfHeight), camera.nearDistance,
                          camera.farDistance);
    return camera;
}

}  // namespace nimbus
