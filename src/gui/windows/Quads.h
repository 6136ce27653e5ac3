#pragma once

#include "core/ResourceHandle.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Texture.h"

namespace nimbus {

struct Color;

// A quad over the rectangle (left, bottom)-(right, top), all corners of one colour, with
// the texture coordinates u from left to right and v from bottom to top. Corners go lower
// left, lower right, upper right, upper left.
ScreenQuad rectangleQuad(const Vector2& min, const Vector2& max, const Vector2& uvMin, const Vector2& uvMax,
                         const Color& color);

// A rectangle of one colour with rounded corners: the circle texture cut in nine, its
// quarters at the corners and its middle stretched between them. Nothing clamps the
// radius; one larger than half the size makes the slices overlap.
void addRoundedRectangle(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& circle,
                         const Vector2& min, const Vector2& max, float radius, const Color& color);

}  // namespace nimbus
