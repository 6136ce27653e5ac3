#include "core/math/Matrix44.h"

#include <cmath>

namespace nimbus {

Matrix44 Matrix44::translation(const Vector3& t) {
    Matrix44 r;
    r.m[3][0] = t.x;
    r.m[3][1] = t.y;
    r.m[3][2] = t.z;
    return r;
}

Matrix44 Matrix44::scaling(const Vector3& s) {
    Matrix44 r;
    r.m[0][0] = s.x;
    r.m[1][1] = s.y;
    r.m[2][2] = s.z;
    return r;
}

Matrix44 Matrix44::rotation(const Vector3& axis, float radians) {
    const Vector3 a = normalise(axis);
    const float c = std::cos(radians), s = std::sin(radians), t = 1.0f - c;
    Matrix44 r;
    // The transpose of the column-vector rotation, since points multiply on the left.
    r.m[0][0] = t * a.x * a.x + c;
    r.m[0][1] = t * a.x * a.y + s * a.z;
    r.m[0][2] = t * a.x * a.z - s * a.y;
    r.m[1][0] = t * a.x * a.y - s * a.z;
    r.m[1][1] = t * a.y * a.y + c;
    r.m[1][2] = t * a.y * a.z + s * a.x;
    r.m[2][0] = t * a.x * a.z + s * a.y;
    r.m[2][1] = t * a.y * a.z - s * a.x;
    r.m[2][2] = t * a.z * a.z + c;
    return r;
}

Matrix44 Matrix44::operator*(const Matrix44& o) const {
    Matrix44 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += m[i][k] * o.m[k][j];
            r.m[i][j] = sum;
        }
    }
    return r;
}

Matrix44 Matrix44::transposed() const {
    Matrix44 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) r.m[i][j] = m[j][i];
    }
    return r;
}

Vector4 operator*(const Vector4& v, const Matrix44& m) {
    const float in[4] = {v.x, v.y, v.z, v.w};
    float out[4];
    for (int j = 0; j < 4; ++j) {
        out[j] = in[0] * m.m[0][j] + in[1] * m.m[1][j] + in[2] * m.m[2][j] + in[3] * m.m[3][j];
    }
    return {out[0], out[1], out[2], out[3]};
}

Vector3 transformPoint(const Vector3& p, const Matrix44& m) { return (Vector4(p, 1.0f) * m).xyz(); }

Vector3 transformDirection(const Vector3& d, const Matrix44& m) { return (Vector4(d, 0.0f) * m).xyz(); }

}  // namespace nimbus
