#include <gtest/gtest.h>

#include <vector>

#include "core/math/Color.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"
#include "support/FakeTexture.h"
#include "support/RecordingRenderer.h"

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

// Two glyphs laid out at the origin: the text runs from x 0.1 (first quad's first
// corner) to 0.9 (last quad's third corner), from y -0.05 to 0.7.
void twoGlyphs(ScreenQuad quads[2]) {
    const float boxes[2][4] = {{0.1f, -0.05f, 0.4f, 0.5f}, {0.5f, 0.0f, 0.9f, 0.7f}};
    for (int q = 0; q < 2; ++q) {
        const float* b = boxes[q];
        const float corners[4][2] = {{b[0], b[1]}, {b[2], b[1]}, {b[2], b[3]}, {b[0], b[3]}};
        for (int c = 0; c < 4; ++c)
            quads[q].corners[c] = {corners[c][0], corners[c][1], 0, 0, 0.2f, 0.4f, 0.6f, 0.8f};
    }
}

// Centred, right-aligned or left at the anchor (1, 2) across; centred on it or with the
// baseline on it upwards. Unknown modes are left and baseline.
TEST(DrawText, AlignmentModesPlaceTheTextAgainstItsAnchor) {
    const std::tuple<int32_t, int32_t, float, float, float, float> cases[] = {
        {TextAlignment::kCentre, TextAlignment::kBaseline, 0.6f, 1.95f, 1.4f, 2.7f},
        // Right: the text moves left by its width, so its right edge lands at the anchor
        // plus the first glyph's left offset.
        {TextAlignment::kRight, TextAlignment::kBaseline, 0.3f, 1.95f, 1.1f, 2.7f},
        {TextAlignment::kLeft, TextAlignment::kBaseline, 1.1f, 1.95f, 1.9f, 2.7f},
        {0, TextAlignment::kBaseline, 1.1f, 1.95f, 1.9f, 2.7f},
        {7, 2, 1.1f, 1.95f, 1.9f, 2.7f},
        {TextAlignment::kLeft, -1, 1.1f, 1.95f, 1.9f, 2.7f},
        {TextAlignment::kLeft, TextAlignment::kMiddle, 1.1f, 1.625f, 1.9f, 2.375f},
    };
    for (const auto& [horizontal, vertical, firstX, firstY, lastX, lastY] : cases) {
        ScreenQuad quads[2];
        twoGlyphs(quads);
        RecordingRenderer collector;
        drawText(2, {horizontal, vertical}, Vector2(1, 2), quads, {}, collector, false, nullptr);
        ASSERT_EQ(collector.added.size(), 2u);
        const ScreenVertex &first = collector.added[0].quad.corners[0],
                           &last = collector.added[1].quad.corners[2];
        const float got[] = {first.x, first.y, last.x, last.y}, want[] = {firstX, firstY, lastX, lastY};
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-5f) << horizontal << " " << vertical;
    }
}

TEST(DrawText, AColourReplacesTheQuadsOwnAndTextureAndGlowArePassedOn) {
    ScreenQuad quads[2];
    twoGlyphs(quads);
    ResourceHandle<Texture> texture(new FakeTexture(4, 4));
    RecordingRenderer collector;
    const Color purple(0.5f, 0.0f, 1.0f, 0.25f);
    drawText(2, {}, Vector2(), quads, texture, collector, true, &purple);
    drawText(2, {}, Vector2(), quads, texture, collector, false, nullptr);
    drawText(0, {TextAlignment::kCentre, TextAlignment::kMiddle}, Vector2(), quads, texture, collector, false,
             nullptr);
    ASSERT_EQ(collector.added.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(collector.added[i].texture, texture.get());
        EXPECT_EQ(collector.added[i].glow, i < 2);
        const ScreenVertex& corner = collector.added[i].quad.corners[3];
        EXPECT_EQ(std::make_pair(corner.r, corner.a),
                  i < 2 ? std::make_pair(0.5f, 0.25f) : std::make_pair(0.2f, 0.8f));
    }
    EXPECT_FLOAT_EQ(quads[0].corners[0].r, 0.2f) << "the caller's quads are left as they were";
}

}  // namespace
}  // namespace nimbus
