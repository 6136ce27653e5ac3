#pragma once

#include "render/ScreenspaceRenderer.h"

namespace nimbus {

struct Color;

// A quad over the rectangle (left, bottom)-(right, top), all corners of one colour, with
// the texture coordinates u from left to right and v from bottom to top. Corners go lower
// left, lower right, upper right, upper left.
ScreenQuad rectangleQuad(const Vector2& min, const Vector2& max, const Vector2& uvMin, const Vector2& uvMax,
                         const Color& color);

// The rectangle (min)-(max) with corners rounded to `radius`, as nine quads of the circle
// texture: the corners show its quarters, the edges and the middle stretch its centre
// row and column. Nothing clamps the radius to the rectangle.
void addRoundedRectangle(ScreenspaceRenderer& renderer, const Vector2& min, const Vector2& max, float radius,
                         const Color& color, const ResourceHandle<Texture>& circle, bool glow);

}  // namespace nimbus
