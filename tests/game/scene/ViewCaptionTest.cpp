#include <gtest/gtest.h>

#include <algorithm>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "game/scene/ViewCaption.h"
#include "support/FakeTexture.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

using namespace nimbus;

namespace {

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

}  // namespace
