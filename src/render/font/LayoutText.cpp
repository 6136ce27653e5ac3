#include "render/font/LayoutText.h"

#include <string_view>

#include "core/Utf8.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

namespace {

void place(ScreenVertex& v, float x, float y, float u, float tv) {
    v.x = x;
    v.y = y;
    v.u = u;
    v.v = tv;
}

}  // namespace

int32_t layoutText(const BitmapFont& font, ScreenQuad* quads, int32_t maxCharacters, const char* text,
                   float size, float slant) {
    int32_t written = 0;
    float pen = 0.0f;
    const std::string_view all(text);
    size_t at = 0;
    for (int32_t i = 0; i < maxCharacters && at < all.size(); ++i) {
        const GlyphMetrics* g = font.findGlyph(nextCodePoint(all, at));
        if (!g) continue;
        const float bottom = g->bottom * size, top = g->top * size;
        const float left = pen + g->left * size, right = pen + g->right * size;
        ScreenVertex* c = quads[written++].corners;
        place(c[0], left + slant * bottom, bottom, g->uLeft, g->vBottom);
        place(c[1], right + slant * bottom, bottom, g->uRight, g->vBottom);
        place(c[2], right + slant * top, top, g->uRight, g->vTop);
        place(c[3], left + slant * top, top, g->uLeft, g->vTop);
        pen += g->advance * size;
    }
    return written;
}

}  // namespace nimbus
