#include "core/math/Transform.h"

namespace nimbus {

Transform Transform::fromMatrix(const Matrix44& m) {
    Transform r;
    r.x = {m.m[0][0], m.m[0][1], m.m[0][2]};
    r.y = {m.m[1][0], m.m[1][1], m.m[1][2]};
    r.z = {m.m[2][0], m.m[2][1], m.m[2][2]};
    r.t = {m.m[3][0], m.m[3][1], m.m[3][2]};
    return r;
}

Matrix44 Transform::toMatrix() const {
    Matrix44 r;
    const Vector3* rows[4] = {&x, &y, &z, &t};
    for (int i = 0; i < 4; ++i) {
        r.m[i][0] = rows[i]->x;
        r.m[i][1] = rows[i]->y;
        r.m[i][2] = rows[i]->z;
        r.m[i][3] = i == 3 ? 1.0f : 0.0f;
    }
    return r;
}

Transform Transform::operator*(const Transform& o) const {
    Transform r;
    r.x = o.applyToDirection(x);
    r.y = o.applyToDirection(y);
    r.z = o.applyToDirection(z);
    r.t = o.applyToPoint(t);
    return r;
}

Transform Transform::rigidInverse() const {
    Transform r;
    r.x = {x.x, y.x, z.x};
    r.y = {x.y, y.y, z.y};
    r.z = {x.z, y.z, z.z};
    r.t = -(r.applyToDirection(t));
    return r;
}

}  // namespace nimbus
