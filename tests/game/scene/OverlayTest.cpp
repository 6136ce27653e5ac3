#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/math/Matrix44.h"
#include "game/rules/FloatingTextList.h"
#include "game/scene/FloatingTextDrawing.h"
#include "game/scene/RadialWipe.h"
#include "game/scene/ViewCaption.h"
#include "render/Camera.h"
#include "support/FakeTexture.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

namespace nimbus {
namespace {

// What the texts of the list draw: each quad's layer, colour at its second corner and
// the middle of each text (first quad's first corner to last quad's third).
struct Drawn {
    std::vector<RecordingRenderer::Added> added;
    Vector2 middle(size_t first, size_t last) const {
        const ScreenVertex &a = added[first].quad.corners[0], &b = added[last].quad.corners[2];
        return Vector2((a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f);
    }
};

Drawn draw(const FloatingTextList& list) {
    RecordingRenderer collector;
    drawFloatingTexts(list, makeStandardCamera(), collector);
    return {collector.added};
}

// A text is centred on its projected point plus drift times age, drawn sharp in its own
// fade and then again as purple glow on the same place; a growing text is five times
// as large after a second and has risen by almost drift times lifetime at its end.
TEST(FloatingTextDrawing, TextsAreCentredOnTheirDriftingPointsSharpThenAsGlow) {
    const Camera camera = makeStandardCamera();
    ResourceHandle<BitmapFont> font(newTestFont());
    FloatingTextList list(font);
    list.spawn("AA", 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 1.0f);
    list.spawn("A", 4.0f, Vector3(2, -1, -10), Vector2(0.1f, 0), 1.0f);
    list.update(1.0f);
    const Vector4 clip = Vector4(Vector3(2, -1, -10), 1.0f) * camera.viewProjection;
    const Vector2 expected(clip.x * 4.0f / 3.0f / clip.w + 0.1f, clip.y / clip.w);
    Vector2 anchor;
    ASSERT_TRUE(floatingTextAnchor(list.entries()[1], camera, anchor));
    EXPECT_NEAR(length(Vector3(anchor.x - expected.x, anchor.y - expected.y, 0)), 0.0f, 1e-5f);
    const Drawn drawn = draw(list);
    ASSERT_EQ(drawn.added.size(), 6u);
    EXPECT_NEAR(drawn.middle(0, 1).x, 0.0f, 1e-5f);
    EXPECT_NEAR(drawn.middle(0, 1).y, 0.2f, 1e-5f);
    EXPECT_NEAR(drawn.middle(2, 2).x, expected.x, 1e-5f);
    const float fades[] = {std::sqrt(0.5f), std::sqrt(0.5f), std::sqrt(0.75f)};
    for (size_t i = 0; i < 6; ++i) {
        const RecordingRenderer::Added& added = drawn.added[i];
        const bool glow = i >= 3;
        EXPECT_EQ(added.glow, glow) << i;
        EXPECT_EQ(added.texture, (glow ? font->glowTexture() : font->texture()).get()) << i;
        const ScreenVertex& c = added.quad.corners[1];
        EXPECT_EQ(std::make_tuple(c.r, c.g), glow ? std::make_tuple(0.5f, 0.0f) : std::make_tuple(1.0f, 1.0f))
            << i;
        EXPECT_FLOAT_EQ(c.a, fades[i % 3]) << i;
        EXPECT_FLOAT_EQ(added.quad.corners[0].x, drawn.added[i % 3].quad.corners[0].x) << i;
    }
    FloatingTextList growing(font);
    growing.spawn("A", 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 5.0f);
    const float before = draw(growing).added[0].quad.corners[2].x - draw(growing).added[0].quad.corners[0].x;
    for (int step = 0; step < 10; ++step) growing.update(0.1f);
    const Drawn after = draw(growing);
    EXPECT_NEAR((after.added[0].quad.corners[2].x - after.added[0].quad.corners[0].x) / before, 5.0f, 1e-3f);
    growing.update(0.999f);
    ASSERT_TRUE(floatingTextAnchor(growing.entries()[0], camera, anchor));
    EXPECT_NEAR(anchor.y, 0.4f, 1e-3f);
}

TEST(FloatingTextDrawing, NothingIsDrawnBehindTheEyeOrAsGlowWithoutAGlowTexture) {
    FloatingTextList behind{ResourceHandle<BitmapFont>(newTestFont())};
    behind.spawn("A", 1.0f, Vector3(0, 0, 10), Vector2(), 1.0f);
    EXPECT_TRUE(draw(behind).added.empty());
    FloatingTextList dull{ResourceHandle<BitmapFont>(newTestFont(false))};
    dull.spawn("AA", 1.0f, Vector3(0, 0, -10), Vector2(), 1.0f);
    const Drawn drawn = draw(dull);
    ASSERT_EQ(drawn.added.size(), 2u);
    EXPECT_FALSE(drawn.added[0].glow || drawn.added[1].glow);
}

// The vertical extent of quads first .. last - 1.
struct Span {
    float bottom = 10.0f, top = -10.0f;
};
Span span(const std::vector<RecordingRenderer::Added>& added, size_t first, size_t last) {
    Span s;
    for (size_t i = first; i < last; ++i) {
        for (const ScreenVertex& corner : added[i].quad.corners) {
            s.bottom = std::min(s.bottom, corner.y);
            s.top = std::max(s.top, corner.y);
        }
    }
    return s;
}

// The band goes down first, as wide as the view, so that both lines are drawn on it, the
// hint wholly under the title and both inside the band.
TEST(ViewCaption, BothLinesSitOnTheBandTheHintUnderTheTitle) {
    ResourceManager resources;
    ResourceManager* previous = setResourceManager(&resources);
    registerTexture("Textures/circle", new FakeTexture(8, 8));
    const ResourceHandle<BitmapFont> font(newTestFont());

    ViewCaption caption;
    caption.layout(font, "AAAA", "bbbbbbbbbb", Color(1, 0, 0, 1));
    RecordingRenderer collector;
    const Vector2 centre(0.1f, -0.2f), size(2.0f, 1.5f);
    caption.draw(collector, centre, size);
    // The band, then each line sharp and glowing.
    ASSERT_EQ(collector.added.size(), 1u + 2 * 4 + 2 * 10);
    EXPECT_EQ(
        std::count_if(collector.added.begin(), collector.added.end(), [](const auto& a) { return a.glow; }),
        4 + 10);
    const ScreenQuad& band = collector.added[0].quad;
    EXPECT_FLOAT_EQ(band.corners[0].x, -0.9f);
    EXPECT_FLOAT_EQ(band.corners[2].x, 1.1f);
    const Span bandSpan = span(collector.added, 0, 1);
    const Span title = span(collector.added, 1, 9);
    const Span hint = span(collector.added, 9, collector.added.size());
    EXPECT_LT(hint.top, title.bottom);
    EXPECT_LT(bandSpan.bottom, hint.bottom);
    EXPECT_GT(bandSpan.top, title.top);
    EXPECT_LT(bandSpan.bottom, centre.y);
    EXPECT_GT(bandSpan.top, centre.y);
    setResourceManager(previous);
}

constexpr float kPi = 3.14159265f;

// An icon over x 1..3, y 2..4 whose texture coordinates run from (0, 1) at the lower
// left to (0.5, 0.5) at the upper right.
IconSquare square() {
    IconSquare s;
    s.lowerLeft = {1.0f, 2.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f};
    s.upperRight = {3.0f, 4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f};
    return s;
}

float area(const ScreenQuad& q) {
    const ScreenVertex &a = q.corners[0], &b = q.corners[1], &c = q.corners[2];
    return std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) * 0.5f;
}

// At 0, a quarter, a half and a full turn the wipe shows all, three quarters, half and
// none of the square: the fan slices add up to that share of its area, the hand points
// where the angle says, and the texture and colour follow the position linearly.
TEST(RadialWipe, ShowsTheShareOfTheSquareClockwiseFromTheHandToTwelveOClock) {
    // The angle, the slices, the share of the area and where the hand points.
    const std::tuple<float, int32_t, float, float, float> cases[] = {
        {0.0f, 5, 1.0f, 2.0f, 4.0f},
        {0.5f * kPi, 4, 0.75f, 3.0f, 3.0f},
        {kPi, 3, 0.5f, 2.0f, 2.0f},
        {2.0f * kPi, 0, 0.0f, 0.0f, 0.0f},
    };
    for (const auto& [angle, slices, share, handX, handY] : cases) {
        SCOPED_TRACE(angle);
        ScreenQuad quads[kMaxWipeQuads];
        ASSERT_EQ(radialWipe(square(), angle, quads), slices);
        float total = 0.0f;
        for (int32_t i = 0; i < slices; ++i) {
            // A triangle from the centre, each starting where the one before ended.
            const ScreenVertex* q = quads[i].corners;
            EXPECT_EQ(std::make_tuple(q[0].x, q[0].y, q[2].x, q[2].y),
                      std::make_tuple(2.0f, 3.0f, q[3].x, q[3].y));
            EXPECT_EQ(q[1].x, i > 0 ? quads[i - 1].corners[2].x : q[1].x);
            for (const ScreenVertex& v : quads[i].corners) {
                EXPECT_NEAR(v.u, (v.x - 1.0f) * 0.25f, 1e-5f);
                EXPECT_NEAR(v.v, 1.0f - (v.y - 2.0f) * 0.25f, 1e-5f);
                EXPECT_NEAR(v.a, ((v.x - 1.0f) + (v.y - 2.0f)) * 0.25f, 1e-5f);
            }
            total += area(quads[i]);
        }
        EXPECT_NEAR(total, 4.0f * share, 1e-4f);
        if (slices == 0) continue;
        EXPECT_NEAR(quads[0].corners[1].x, handX, 1e-5f);
        EXPECT_NEAR(quads[0].corners[1].y, handY, 1e-5f);
        EXPECT_EQ(std::make_pair(quads[slices - 1].corners[2].x, quads[slices - 1].corners[2].y),
                  std::make_pair(2.0f, 4.0f));
    }
}

}  // namespace
}  // namespace nimbus
