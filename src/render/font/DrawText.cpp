#include "render/font/DrawText.h"

#include "core/math/Color.h"
#include "render/ScreenspaceRenderer.h"

namespace nimbus {

float textExtent(int32_t count, const ScreenQuad* quads) {
    return count > 0 ? quads[count - 1].corners[2].x - quads[0].corners[0].x : 0.0f;
}

void fitToWidth(int32_t count, ScreenQuad* quads, float width) {
    const float extent = textExtent(count, quads);
    if (extent <= width || extent <= 0.0f) return;
    const float scale = width / extent;
    for (int32_t i = 0; i < count; ++i) {
        for (ScreenVertex& corner : quads[i].corners) {
            corner.x *= scale;
            corner.y *= scale;
        }
    }
}

void drawText(int32_t count, const TextAlignment& alignment, const Vector2& anchor, const ScreenQuad* quads,
              const ResourceHandle<Texture>& texture, ScreenspaceRenderer& renderer, bool glow,
              const Color* color) {
    if (count <= 0) return;
    const ScreenVertex& first = quads[0].corners[0];
    const ScreenVertex& last = quads[count - 1].corners[2];
    Vector2 pen = anchor;
    if (alignment.horizontal == TextAlignment::kCentre) {
        pen.x -= (last.x + first.x) * 0.5f;
    } else if (alignment.horizontal == TextAlignment::kRight) {
        pen.x -= textExtent(count, quads);
    }
    if (alignment.vertical == TextAlignment::kMiddle) pen.y -= (last.y + first.y) * 0.5f;
    for (int32_t i = 0; i < count; ++i) {
        ScreenQuad quad = quads[i];
        for (ScreenVertex& corner : quad.corners) {
            corner.x += pen.x;
            corner.y += pen.y;
            if (color) {
                corner.r = color->r();
                corner.g = color->g();
                corner.b = color->b();
                corner.a = color->a();
            }
        }
        renderer.addQuad(quad, texture, glow);
    }
}

}  // namespace nimbus
