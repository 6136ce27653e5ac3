#include <gtest/gtest.h>

#include <vector>

#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"
#include "render/font/LayoutText.h"

namespace nimbus {
namespace {

// Two glyphs with different boxes, and one stored under a negative code (byte 0xE9).
BitmapFont makeFont() {
    BitmapFont::Glyphs glyphs;
    glyphs['A'] = {0.1f, -0.2f, 0.6f, 0.8f, 0.0f, 0.5f, 0.25f, 0.0f, 0.7f};
    glyphs['b'] = {0.0f, 0.0f, 0.5f, 1.0f, 0.5f, 1.0f, 0.75f, 0.5f, 0.5f};
    glyphs[-23] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 2.0f};
    return BitmapFont({}, {}, "Test", "Textures/test", "test.xml", glyphs);
}

void expectCorner(const ScreenVertex& v, float x, float y, float u, float tv) {
    EXPECT_FLOAT_EQ(x, v.x);
    EXPECT_FLOAT_EQ(y, v.y);
    EXPECT_FLOAT_EQ(u, v.u);
    EXPECT_FLOAT_EQ(tv, v.v);
}

TEST(LayoutText, PlacesScaledShearedGlyphsAlongThePen) {
    const BitmapFont font = makeFont();
    std::vector<ScreenQuad> quads(4);
    // Colours are left as they were: mark them to see that.
    for (auto& q : quads) q.corners[0].r = 0.3f;
    ASSERT_EQ(2, layoutText(font, quads.data(), 10, "Ab", 2.0f, 0.5f));
    const ScreenVertex* a = quads[0].corners;
    expectCorner(a[0], 0.2f - 0.2f, -0.4f, 0.0f, 0.5f);
    expectCorner(a[1], 1.2f - 0.2f, -0.4f, 0.25f, 0.5f);
    expectCorner(a[2], 1.2f + 0.8f, 1.6f, 0.25f, 0.0f);
    expectCorner(a[3], 0.2f + 0.8f, 1.6f, 0.0f, 0.0f);
    // The second glyph starts at the first one's advance times the size.
    const ScreenVertex* b = quads[1].corners;
    expectCorner(b[0], 1.4f, 0.0f, 0.5f, 1.0f);
    expectCorner(b[2], 1.4f + 1.0f + 1.0f, 2.0f, 0.75f, 0.5f);
    EXPECT_FLOAT_EQ(0.3f, quads[0].corners[0].r);
}

TEST(LayoutText, SkipsMissingGlyphsAndStopsAtTheMaximumAndBytesAbove127AreNegativeCodes) {
    const BitmapFont font = makeFont();
    std::vector<ScreenQuad> quads(8);
    // Unknown characters neither make a quad nor move the pen.
    ASSERT_EQ(2, layoutText(font, quads.data(), 8, "A?zb", 1.0f, 0.0f));
    EXPECT_FLOAT_EQ(0.7f, quads[1].corners[0].x);
    // Only the first three characters are looked at.
    EXPECT_EQ(1, layoutText(font, quads.data(), 3, "A??bbbb", 1.0f, 0.0f));
    EXPECT_EQ(0, layoutText(font, quads.data(), 5, "", 1.0f, 0.0f));
    EXPECT_EQ(0, layoutText(font, quads.data(), 0, "Ab", 1.0f, 0.0f));
    EXPECT_EQ(1, layoutText(font, quads.data(), 2, "\xE9\xEA", 1.0f, 0.0f));
    EXPECT_FLOAT_EQ(1.0f, quads[0].corners[1].x);
    EXPECT_EQ(nullptr, font.findGlyph(0xE9));
}

}  // namespace
}  // namespace nimbus
