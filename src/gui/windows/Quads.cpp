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

}  // namespace nimbus
