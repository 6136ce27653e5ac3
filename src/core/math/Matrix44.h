#pragma once

#include "core/math/Vector3.h"
#include "core/math/Vector4.h"

namespace nimbus {

// Row-vector convention: a point is a row vector multiplied on the left (p * M), so
// the rows are the images of the axes and the last row is the translation. Effects
// receive the 16 floats as stored and read them column-major, which makes the shader's
// M * v the same product.
struct Matrix44 {
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    static Matrix44 identity() { return Matrix44(); }
    static Matrix44 translation(const Vector3& t);
    static Matrix44 scaling(const Vector3& s);
    // Right-handed rotation by `radians` about a unit axis: about +z, +x turns to +y.
    static Matrix44 rotation(const Vector3& axis, float radians);

    const float* data() const { return &m[0][0]; }
    // Applying this, then `o`.
    Matrix44 operator*(const Matrix44& o) const;
    Matrix44 transposed() const;
};

Vector4 operator*(const Vector4& v, const Matrix44& m);
// The point (w = 1) through the matrix, without the perspective divide.
Vector3 transformPoint(const Vector3& p, const Matrix44& m);
// The direction (w = 0) through the matrix.
Vector3 transformDirection(const Vector3& d, const Matrix44& m);

}  // namespace nimbus
