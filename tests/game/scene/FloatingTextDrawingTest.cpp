#include <gtest/gtest.h>

#include <cmath>

#include "core/math/Matrix44.h"
#include "game/rules/FloatingTextList.h"
#include "game/scene/FloatingTextDrawing.h"
#include "render/Camera.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

using namespace nimbus;

namespace {

ResourceHandle<BitmapFont> testFont(bool withGlow) {
    return ResourceHandle<BitmapFont>(newTestFont(withGlow));
}

// The middle of a drawn text, from its first quad's first corner to its last quad's third.
Vector2 middle(const std::vector<RecordingRenderer::Added>& added, size_t first, size_t last) {
    const ScreenVertex& a = added[first].quad.corners[0];
    const ScreenVertex& b = added[last].quad.corners[2];
    return Vector2((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f);
}

TEST(FloatingTextDrawing, ATextIsCentredOnItsProjectedPointPlusDriftTimesAge) {
    const Camera camera = makeStandardCamera();
    FloatingTextList list(testFont(true));
    list.spawn("AA", 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 1.0f);
    list.spawn("A", 1.0f, Vector3(2, -1, -10), Vector2(0.1f, 0), 1.0f);
    list.update(0.5f);
    ASSERT_EQ(list.entries().size(), 2u);

    const Vector4 clip = Vector4(Vector3(2, -1, -10), 1.0f) * camera.viewProjection;
    const Vector2 expected(clip.x * 4.0f / 3.0f / clip.w + 0.05f, clip.y / clip.w);
    Vector2 anchor;
    ASSERT_TRUE(floatingTextAnchor(list.entries()[1], camera, anchor));
    EXPECT_NEAR(anchor.x, expected.x, 1e-5f);
    EXPECT_NEAR(anchor.y, expected.y, 1e-5f);
    EXPECT_GT(anchor.x, 0.0f);
    EXPECT_LT(anchor.y, 0.0f);

    RecordingRenderer collector;
    drawFloatingTexts(list, camera, collector);
    ASSERT_EQ(collector.added.size(), 6u);
    const Vector2 first = middle(collector.added, 0, 1);
    EXPECT_NEAR(first.x, 0.0f, 1e-5f);
    EXPECT_NEAR(first.y, 0.1f, 1e-5f);
    const Vector2 second = middle(collector.added, 2, 2);
    EXPECT_NEAR(second.x, expected.x, 1e-5f);
    EXPECT_NEAR(second.y, expected.y, 1e-5f);
}

TEST(FloatingTextDrawing, AllTextsAreDrawnSharpInTheirOwnFadeThenAllAgainAsPurpleGlow) {
    const Camera camera = makeStandardCamera();
    ResourceHandle<BitmapFont> font = testFont(true);
    FloatingTextList list(font);
    list.spawn("AA", 2.0f, Vector3(0, 0, -10), Vector2(), 1.0f);
    list.spawn("A", 4.0f, Vector3(1, 0, -10), Vector2(), 1.0f);
    list.update(1.0f);
    RecordingRenderer collector;
    drawFloatingTexts(list, camera, collector);
    ASSERT_EQ(collector.added.size(), 6u);
    const float fades[] = {std::sqrt(0.5f), std::sqrt(0.5f), std::sqrt(0.75f)};
    for (size_t i = 0; i < 6; ++i) {
        const RecordingRenderer::Added& added = collector.added[i];
        const bool glowLayer = i >= 3;
        EXPECT_EQ(added.glow, glowLayer) << i;
        EXPECT_EQ(added.texture, glowLayer ? font->glowTexture().get() : font->texture().get()) << i;
        const ScreenVertex& corner = added.quad.corners[1];
        EXPECT_FLOAT_EQ(corner.r, glowLayer ? 0.5f : 1.0f) << i;
        EXPECT_FLOAT_EQ(corner.g, glowLayer ? 0.0f : 1.0f) << i;
        EXPECT_FLOAT_EQ(corner.a, fades[i % 3]) << i;
    }
    // Both layers of a text lie on the same place.
    EXPECT_FLOAT_EQ(collector.added[0].quad.corners[0].x, collector.added[3].quad.corners[0].x);
}

TEST(FloatingTextDrawing, AGrowingTextIsFiveTimesAsLargeAfterASecondAndRisesToItsLastPlace) {
    const Camera camera = makeStandardCamera();
    FloatingTextList list(testFont(true));
    list.spawn("A", 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 5.0f);
    RecordingRenderer before;
    drawFloatingTexts(list, camera, before);
    for (int step = 0; step < 10; ++step) list.update(0.1f);
    RecordingRenderer after;
    drawFloatingTexts(list, camera, after);
    ASSERT_EQ(before.added.size(), 2u);
    ASSERT_EQ(after.added.size(), 2u);
    auto width = [](const RecordingRenderer& c) {
        return c.added[0].quad.corners[2].x - c.added[0].quad.corners[0].x;
    };
    EXPECT_NEAR(width(after) / width(before), 5.0f, 1e-3f);
    // Just before the end of its life the text has risen by almost drift × lifetime.
    list.update(0.999f);
    ASSERT_EQ(list.entries().size(), 1u);
    Vector2 anchor;
    ASSERT_TRUE(floatingTextAnchor(list.entries()[0], camera, anchor));
    EXPECT_NEAR(anchor.y, 0.4f, 1e-3f);
}

TEST(FloatingTextDrawing, NothingIsDrawnBehindTheEyeOrAsGlowWithoutAGlowTexture) {
    const Camera camera = makeStandardCamera();
    FloatingTextList behind(testFont(true));
    behind.spawn("A", 1.0f, Vector3(0, 0, 10), Vector2(), 1.0f);
    RecordingRenderer collector;
    drawFloatingTexts(behind, camera, collector);
    EXPECT_TRUE(collector.added.empty());

    FloatingTextList dull(testFont(false));
    dull.spawn("AA", 1.0f, Vector3(0, 0, -10), Vector2(), 1.0f);
    drawFloatingTexts(dull, camera, collector);
    ASSERT_EQ(collector.added.size(), 2u);
    EXPECT_FALSE(collector.added[0].glow);
    EXPECT_FALSE(collector.added[1].glow);
}

}  // namespace
