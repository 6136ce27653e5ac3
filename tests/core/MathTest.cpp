#include <gtest/gtest.h>

#include "core/math/Matrix44.h"
#include "core/math/Transform.h"

using namespace nimbus;

namespace {

constexpr float kHalfPi = 1.5707963f;

void expectNear(const Vector3& a, const Vector3& b) { EXPECT_NEAR(length(a - b), 0.0f, 1e-5f); }

// A product applies its left matrix first.
TEST(Matrix44, RowVectorsMultiplyOnTheLeftAndRotationIsRightHanded) {
    const Matrix44 t = Matrix44::translation({1, 2, 3});
    expectNear(transformPoint({1, 1, 1}, t), {2, 3, 4});
    expectNear(transformDirection({1, 1, 1}, t), {1, 1, 1});
    expectNear(transformPoint({1, 0, 0}, Matrix44::scaling({2, 2, 2}) * t), {3, 2, 3});
    EXPECT_EQ(t.m[3][0], 1.0f);
    expectNear(transformPoint({1, 0, 0}, Matrix44::rotation({0, 0, 1}, kHalfPi)), {0, 1, 0});
    expectNear(transformPoint({0, 1, 0}, Matrix44::rotation({1, 0, 0}, kHalfPi)), {0, 0, 1});
    expectNear(transformPoint({0, 0, 1}, Matrix44::rotation({0, 1, 0}, kHalfPi)), {1, 0, 0});
    expectNear(transformPoint({1, 0, 0}, Matrix44::rotation(normalise({1, 1, 1}), 2.0943951f)), {0, 1, 0});
}

TEST(Transform, ARigidInverseUndoesTheTransform) {
    const Transform t = Transform::fromMatrix(Matrix44::rotation(normalise({1, 2, 3}), 1.1f) *
                                              Matrix44::translation({4, 5, 6}));
    const Vector3 p{0.5f, -2.0f, 7.0f};
    expectNear(t.rigidInverse().applyToPoint(t.applyToPoint(p)), p);
    expectNear((t * t.rigidInverse()).applyToPoint(p), p);
    expectNear(transformPoint(p, t.toMatrix()), t.applyToPoint(p));
    expectNear(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    EXPECT_FLOAT_EQ(dot({1, 2, 3}, {4, 5, 6}), 32.0f);
    EXPECT_FLOAT_EQ(length(normalise({3, 4, 0})), 1.0f);
    expectNear(normalise({0, 0, 0}), {0, 0, 0});
}

}  // namespace
