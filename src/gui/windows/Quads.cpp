#include "gui/windows/Quads.h"

#include "core/math/Color.h"

namespace nimbus {

ScreenQuad rectangleQuad(const Vector2& min, const Vector2& max, const Vector2& uvMin, const Vector2& uvMax,
                         const Color& color) {
    const float r = color.r(), g = color.g(), b = color.b(), a = color.a();
    ScreenQuad quad;
    quad.corners[0] = {min.x, min.y, uvMin.x, uvMin.y, r, g, b, a};
    quad.corners[1] = {max.x, min.y, uvMax.x, uvMin.y, r, g, b, a};
    quad.corners[2] = {max.x, max.y, uvMax.x, uvMax.y, r, g, b, a};
    quad.corners[3] = {min.x, max.y, uvMin.x, uvMax.y, r, g, b, a};
    return quad;
}

void addRoundedRectangle(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& circle,
                         const Vector2& min, const Vector2& max, float radius, const Color& color) {
    const float xs[4] = {min.x, min.x + radius, max.x - radius, max.x};
    const float ys[4] = {min.y, min.y + radius, max.y - radius, max.y};
    const float uv[4] = {0.0f, 0.5f, 0.5f, 1.0f};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const ScreenQuad quad =
                rectangleQuad(Vector2(xs[column], ys[row]), Vector2(xs[column + 1], ys[row + 1]),
                              Vector2(uv[column], uv[row]), Vector2(uv[column + 1], uv[row + 1]), color);
            renderer.addQuad(quad, circle, false);
        }
    }
}

}  // namespace nimbus
