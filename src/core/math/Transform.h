#pragma once

#include "core/math/Matrix44.h"
#include "core/math/Vector3.h"

namespace nimbus {

// An affine transform as four rows: the images of the X, Y and Z axes and the
// translation, in the row-vector convention of Matrix44.
struct Transform {
    Vector3 x{1, 0, 0};
    Vector3 y{0, 1, 0};
    Vector3 z{0, 0, 1};
    Vector3 t{0, 0, 0};

    static Transform fromMatrix(const Matrix44& m);
    Matrix44 toMatrix() const;
    Vector3 applyToPoint(const Vector3& p) const { return x * p.x + y * p.y + z * p.z + t; }
    Vector3 applyToDirection(const Vector3& d) const { return x * d.x + y * d.y + z * d.z; }
    // Applying this, then `o`.
    Transform operator*(const Transform& o) const;
    // The inverse of a rigid transform (orthonormal axes): transposed axes, and the
    // translation taken back through them.
    Transform rigidInverse() const;
};

}  // namespace nimbus
