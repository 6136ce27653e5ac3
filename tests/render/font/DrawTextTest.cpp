#include <gtest/gtest.h>

#include <vector>

#include "core/math/Color.h"
#include "render/font/DrawText.h"
#include "support/FakeTexture.h"
#include "support/RecordingRenderer.h"

using namespace nimbus;

namespace {

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
    const struct {
        int32_t horizontal, vertical;
        float firstX, firstY, lastX, lastY;
    } cases[] = {
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
    for (const auto& c : cases) {
        ScreenQuad quads[2];
        twoGlyphs(quads);
        RecordingRenderer collector;
        drawText(2, {c.horizontal, c.vertical}, Vector2(1, 2), quads, {}, collector, false, nullptr);
        ASSERT_EQ(collector.added.size(), 2u);
        const ScreenVertex &first = collector.added[0].quad.corners[0],
                           &last = collector.added[1].quad.corners[2];
        const float got[] = {first.x, first.y, last.x, last.y},
                    want[] = {c.firstX, c.firstY, c.lastX, c.lastY};
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-5f) << c.horizontal << " " << c.vertical;
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
