#include <gtest/gtest.h>

#include <vector>

#include "../support/RecordingRenderer.h"
#include "FakeTexture.h"
#include "core/math/Color.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/DrawText.h"

using namespace nimbus;

namespace {

// Two glyphs laid out at the origin: the text runs from x 0.1 (first quad's first
// corner) to 0.9 (last quad's third corner), from y -0.05 to 0.7.
void twoGlyphs(ScreenQuad quads[2]) {
    const float boxes[2][4] = {{0.1f, -0.05f, 0.4f, 0.5f}, {0.5f, 0.0f, 0.9f, 0.7f}};
    for (int q = 0; q < 2; ++q) {
        const float* b = boxes[q];
        const float corners[4][2] = {{b[0], b[1]}, {b[2], b[1]}, {b[2], b[3]}, {b[0], b[3]}};
        for (int c = 0; c < 4; ++c) {
            quads[q].corners[c] = {corners[c][0], corners[c][1], 0, 0, 0.2f, 0.4f, 0.6f, 0.8f};
        }
    }
}

struct Placed {
    float firstX, firstY, lastX, lastY;
};

Placed place(int32_t horizontal, int32_t vertical, const Vector2& anchor) {
    ScreenQuad quads[2];
    twoGlyphs(quads);
    RecordingRenderer collector;
    drawText(2, {horizontal, vertical}, anchor, quads, ResourceHandle<Texture>(), collector, false, nullptr);
    EXPECT_EQ(collector.added.size(), 2u);
    const ScreenQuad& first = collector.added.front().quad;
    const ScreenQuad& last = collector.added.back().quad;
    return {first.corners[0].x, first.corners[0].y, last.corners[2].x, last.corners[2].y};
}

}  // namespace

TEST(DrawText, HorizontalModesCentreRightAlignOrLeaveTheTextAtTheAnchor) {
    const Vector2 anchor(1.0f, 2.0f);
    const Placed centred = place(TextAlignment::kCentre, TextAlignment::kBaseline, anchor);
    EXPECT_FLOAT_EQ((centred.firstX + centred.lastX) * 0.5f, 1.0f);
    // Right: the text moves left by its width, so its right edge lands at the anchor
    // plus the first glyph's left offset.
    const Placed right = place(TextAlignment::kRight, TextAlignment::kBaseline, anchor);
    EXPECT_FLOAT_EQ(right.lastX, 1.1f);
    EXPECT_FLOAT_EQ(right.firstX, 0.3f);
    for (int32_t mode : {TextAlignment::kLeft, 0, 7}) {
        const Placed left = place(mode, TextAlignment::kBaseline, anchor);
        EXPECT_FLOAT_EQ(left.firstX, 1.1f) << mode;
        EXPECT_FLOAT_EQ(left.firstY, 1.95f) << mode;
    }
}

TEST(DrawText, VerticalModesCentreTheTextOrSetItsBaselineOnTheAnchor) {
    const Vector2 anchor(0.0f, 1.0f);
    const Placed middle = place(TextAlignment::kLeft, TextAlignment::kMiddle, anchor);
    EXPECT_FLOAT_EQ((middle.firstY + middle.lastY) * 0.5f, 1.0f);
    for (int32_t mode : {TextAlignment::kBaseline, 2, -1}) {
        const Placed baseline = place(TextAlignment::kLeft, mode, anchor);
        EXPECT_FLOAT_EQ(baseline.firstY, 0.95f) << mode;
        EXPECT_FLOAT_EQ(baseline.lastY, 1.7f) << mode;
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
    ASSERT_EQ(collector.added.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(collector.added[i].texture, texture.get());
        EXPECT_EQ(collector.added[i].glow, i < 2);
        const ScreenVertex& corner = collector.added[i].quad.corners[3];
        EXPECT_FLOAT_EQ(corner.r, i < 2 ? 0.5f : 0.2f);
        EXPECT_FLOAT_EQ(corner.a, i < 2 ? 0.25f : 0.8f);
    }
    // The caller's quads are left as they were.
    EXPECT_FLOAT_EQ(quads[0].corners[0].r, 0.2f);

    drawText(0, {TextAlignment::kCentre, TextAlignment::kMiddle}, Vector2(), quads, texture, collector, false,
             nullptr);
    EXPECT_EQ(collector.added.size(), 4u);
}
