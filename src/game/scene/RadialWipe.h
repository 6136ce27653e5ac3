#pragma once

#include <cstdint>

#include "render/ScreenspaceRenderer.h"

namespace nimbus {

// A square icon as the HUD draws it: its lower-left and upper-right corners with their
// texture coordinates and colours. Everything inside is interpolated linearly, the
// colour along the diagonal, so the other two corners take the mean of the two.
struct IconSquare {
    ScreenVertex lowerLeft;
    ScreenVertex upperRight;
};

constexpr int32_t kMaxWipeQuads = 5;

// A clock-hand wipe of the square: the part swept clockwise from the hand at `angle`
// (radians, clockwise from straight up) on round to straight up again, so 0 shows all of
// the square and 2 pi or more nothing. It is a fan from the centre through the hand's
// point on the square's edge, the corners still ahead of the hand and the top centre;
// each slice of the fan is one quad whose last two corners coincide. Writes up to five
// quads and returns how many.
int32_t radialWipe(const IconSquare& square, float angle, ScreenQuad (&quads)[kMaxWipeQuads]);

}  // namespace nimbus
