#include "game/scene/RadialWipe.h"

#include <algorithm>
#include <cmath>

namespace nimbus {

namespace {

constexpr float kPi = 3.14159265f;

// A point of the square given in [-1, 1] across and up, with everything interpolated.
ScreenVertex at(const IconSquare& s, float across, float up) {
    const ScreenVertex &a = s.lowerLeft, &b = s.upperRight;
    const float fx = (across + 1.0f) * 0.5f, fy = (up + 1.0f) * 0.5f, fc = (fx + fy) * 0.5f;
    const auto mix = [](float from, float to, float f) { return from + (to - from) * f; };
    return {mix(a.x, b.x, fx), mix(a.y, b.y, fy), mix(a.u, b.u, fx), mix(a.v, b.v, fy),
            mix(a.r, b.r, fc), mix(a.g, b.g, fc), mix(a.b, b.b, fc), mix(a.a, b.a, fc)};
}

}  // namespace

int32_t radialWipe(const IconSquare& square, float angle, ScreenQuad (&quads)[kMaxWipeQuads]) {
    if (!(angle < 2.0f * kPi)) return 0;
    angle = std::max(angle, 0.0f);
    // The corners clockwise from the upper right, at a quarter turn apart from pi / 4.
    static const float kCorners[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    const float s = std::sin(angle), c = std::cos(angle);
    const float reach = std::max(std::fabs(s), std::fabs(c));
    ScreenVertex fan[6];
    int32_t points = 0;
    fan[points++] = at(square, s / reach, c / reach);
    for (int corner = 0; corner < 4; ++corner) {
        if (kPi * (0.25f + 0.5f * static_cast<float>(corner)) > angle) {
            fan[points++] = at(square, kCorners[corner][0], kCorners[corner][1]);
        }
    }
    fan[points++] = at(square, 0.0f, 1.0f);
    const ScreenVertex centre = at(square, 0.0f, 0.0f);
    for (int32_t i = 0; i + 1 < points; ++i) quads[i] = {{centre, fan[i], fan[i + 1], fan[i + 1]}};
    return points - 1;
}

}  // namespace nimbus
