#pragma once

#include <cmath>

namespace nimbus {

// Three floats in a four-float slot; the fourth is ignored.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float unused = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vector3 operator-() const { return {-x, -y, -z}; }
    Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vector3& operator+=(const Vector3& o) { return *this = *this + o; }
    bool operator==(const Vector3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vector3& o) const { return !(*this == o); }
};

inline float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(const Vector3& v) { return std::sqrt(dot(v, v)); }
// The unit vector along v; the zero vector stays zero.
inline Vector3 normalise(const Vector3& v) {
    const float l = length(v);
    return l > 0.0f ? v * (1.0f / l) : v;
}

}  // namespace nimbus
