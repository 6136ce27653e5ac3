#pragma once

#include "render/ScreenspaceRenderer.h"

namespace nimbus {

struct Color;

// A quad over the rectangle (left, bottom)-(right, top), all corners of one colour, with
// the texture coordinates u from left to right and v from bottom to top. Corners go lower
// left, lower right, upper right, upper left.
ScreenQuad rectangleQuad(const Vector2& min, const Vector2& max, const Vector2& uvMin, const Vector2& uvMax,
                         const Color& color);

}  // namespace nimbus
