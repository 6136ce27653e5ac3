#include <gtest/gtest.h>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "game/rules/FloatingTextList.h"
#include "game/scene/FloatingTextDrawing.h"
#include "game/scene/RadialWipe.h"
#include "game/scene/ViewCaption.h"
#include "render/Camera.h"
#include "support/FakeTexture.h"
#include "support/Golden.h"
#include "support/OwnProcessWide.h"
#include "support/TestFont.h"

namespace nimbus {
namespace {

// What the texts of the list draw, the font's sharp texture told from its glow.
std::string drawn(const FloatingTextList& list, const ResourceHandle<BitmapFont>& font) {
    RecordingRenderer collector;
    drawFloatingTexts(list, makeStandardCamera(), collector);
    return quadText(collector.added, {font->texture().get(), font->glowTexture().get()}) + "--\n";
}

// Centred on the projected point plus drift times age, sharp in its fade, then purple glow. Drawn: two texts
// a second old and one behind the eye (no place); a font without glow, once; a growing text at its start,
// five times as large a second later, at its end risen by almost drift times lifetime.
TEST(FloatingTextDrawing, TextsAreCentredOnTheirDriftingPointsSharpThenAsGlow) {
    const ResourceHandle<BitmapFont> font(newTestFont()), dullFont(newTestFont(false));
    FloatingTextList list(font), dull(dullFont), growing(font);
    list.spawn(std::string(FloatingText::kMaxQuads, 'A'), 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 1.0f);
    list.spawn("A", 4.0f, Vector3(2, -1, -10), Vector2(0.1f, 0), 1.0f);
    list.spawn("A", 4.0f, Vector3(0, 0, 10), Vector2(), 1.0f);
    list.update(1.0f);
    dull.spawn("AA", 1.0f, Vector3(0, 0, -10), Vector2(), 1.0f);
    growing.spawn("A", 2.0f, Vector3(0, 0, -10), Vector2(0, 0.2f), 5.0f);
    std::string text = drawn(list, font) + drawn(dull, dullFont) + drawn(growing, font);
    for (float step : {1.0f, 0.999f}) {
        growing.update(step);
        text += drawn(growing, font);
    }
    EXPECT_TRUE(matchesGolden(text, 0xeebb5e2133789d6d));
}

// The band, as wide as the view, goes down first; both lines, sharp and glowing, lie inside it.
TEST(ViewCaption, BothLinesSitOnTheBandTheHintUnderTheTitle) {
    OwnProcessWide<ResourceManager> resources;
    Texture* band = new FakeTexture(8, 8);
    registerTexture("Textures/circle", band);
    const ResourceHandle<BitmapFont> font(newTestFont());
    ViewCaption caption;
    caption.layout(font, "AAAA", "bbbbbbbbbb", Color(1, 0, 0, 1));
    RecordingRenderer collector;
    caption.draw(collector, Vector2(0.1f, -0.2f), Vector2(2.0f, 1.5f));
    EXPECT_TRUE(
        matchesGolden(quadText(collector.added, {band, font->texture().get(), font->glowTexture().get()}),
                      0xe45a98b48701b659));
}

// At 0, 1/4, 1/2 and a full turn it shows all, 3/4, half and none of an icon over x 1..3,
// y 2..4, texture from (0, 1) lower left to (0.5, 0.5) upper right: a fan from the centre,
// texture and colour following the position linearly.
TEST(RadialWipe, ShowsTheShareOfTheSquareClockwiseFromTheHandToTwelveOClock) {
    IconSquare square;
    square.lowerLeft = {1.0f, 2.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f};
    square.upperRight = {3.0f, 4.0f, 0.5f, 0.5f, 1.0f, 1.0f, 1.0f, 1.0f};
    std::string text;
    for (float turns : {0.0f, 0.25f, 0.5f, 1.0f}) {
        ScreenQuad quads[kMaxWipeQuads];
        const int32_t slices = radialWipe(square, turns * 2.0f * 3.14159265f, quads);
        text += std::to_string(slices) + " slices\n";
        for (int32_t i = 0; i < slices; ++i) text += quadText(quads[i]);
    }
    EXPECT_TRUE(matchesGolden(text, 0x5e8126000d67bc02));
}

}  // namespace
}  // namespace nimbus
