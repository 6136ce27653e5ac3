// Fonts: loading them from a glyph description and an atlas, laying text out in glyph
// quads, and handing those to the renderer.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "render/ScreenspaceRenderer.h"
#include "render/XmlFile.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/FontLoader.h"
#include "render/font/GlyphDescription.h"
#include "render/font/LayoutText.h"
#include "support/FakeTexture.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const char kOneGlyph[] = R"(<font glyph_size="64"><glyphs>
  <glyph UTF-32="65" x="32" y="16" width="40" rows="48" left="2" top="44" advance_x_64="2944"/>
</glyphs></font>)";

// A resource manager holding atlas textures of the given sizes, and a folder for
// glyph descriptions.
class FontLoaderTest : public ::testing::Test {
protected:
    FontLoaderTest() : previous_(setResourceManager(&manager_)) {
        const std::tuple<const char*, int, int> atlases[] = {{"Textures/Alba", 256, 128},
                                                             {"Textures/Odd", 100, 128},
                                                             {"Textures/Thin", 1, 256},
                                                             {"Textures/Bright", 256, 128},
                                                             {"Textures/Bright_glow", 256, 128}};
        for (const auto& [name, width, height] : atlases)
            registerTexture(name, new FakeTexture(width, height));
    }
    ~FontLoaderTest() override { setResourceManager(previous_); }

    std::string describe(const std::string& text) {
        return folder_.write(std::to_string(files_++) + ".xml", text);
    }
    static std::unique_ptr<BitmapFont> load(const char* name, const char* texture, const std::string& info) {
        TiXmlElement e("font");
        if (name) e.SetAttribute("name", name);
        if (texture) e.SetAttribute("texture", texture);
        if (!info.empty()) e.SetAttribute("info", info.c_str());
        return std::unique_ptr<BitmapFont>(loadFont(e));
    }

    ResourceManager manager_;
    ResourceManager* previous_;
    TempFolder folder_;
    int files_ = 0;
};

// Each fault is one error line; a missing atlas or an unreadable description is refused
// without one.
TEST_F(FontLoaderTest, FontsAreRefusedForEachFaultInTurn) {
    const std::string info = describe(kOneGlyph);
    const struct {
        const char* name;
        const char* texture;
        std::string info;
        bool loads;
        const char* message;
    } cases[] = {
        {nullptr, nullptr, "", false, "Missing texture name attribute"},
        {"Alba", nullptr, info, false, "Missing texture filename attribute"},
        {"Alba", "Textures/Alba", "", false, "Missing info filename attribute"},
        {"Odd", "Textures/Odd", info, false, "Incorrect texture dimensions: 100 x 128"},
        {"Alba", "Textures/Alba", describe(R"(<font><glyphs><g UTF-32="65" width="3"/></glyphs></font>)"),
         false, "Incorrect glyph size 0"},
        {"Alba", "Textures/Nowhere", info, false, nullptr},
        {"Alba", "Textures/Alba", folder_.file("absent.xml"), false, nullptr},
        {"Alba", "Textures/Alba", describe("this is <not xml"), false, nullptr},
        {"Thin", "Textures/Thin", info, true, nullptr},
    };
    for (const auto& c : cases) {
        LogCapture log;
        EXPECT_EQ(load(c.name, c.texture, c.info) != nullptr, c.loads) << c.texture << " " << c.info;
        EXPECT_EQ(log.lines().size(), c.message ? 1u : 0u) << log.all();
        EXPECT_TRUE(!c.message || log.saw({"Error: ", c.message})) << log.all();
    }
    std::unique_ptr<BitmapFont> empty = load("Alba", "Textures/Alba", describe("<?xml version=\"1.0\"?>"));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->glyphs().empty());
}

// TinyXML steps over a character by the length its lead byte announces: a file that ends
// inside a sequence made it read past its buffer, in element text, in an attribute and
// in a declaration alike. Its parse recurses once per level: deep nesting overflowed the
// stack. A byte order mark and Windows line ends are fine.
TEST_F(FontLoaderTest, ADescriptionTinyXmlCannotTakeSafelyIsRefusedWithItsName) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<glyphs>";
    // Elements from the glyph's children down reach the deepest nesting allowed.
    std::string nest;
    for (int depth = 3; depth < kMaxXmlDepth; ++depth) nest = "<a>" + nest + "</a>";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"<?xml><f a=\"\xC6", "UTF-8"},
        {"<font glyph_size=\"8\">" + deep, "nested deeper than"},
        // One level too deep, with a tag whose quoted value holds "/>".
        {"<font><glyphs><glyph b=\"x/>\"><a>" + nest + "</a></glyph></glyphs></font>", "nested deeper than"},
    };
    for (const auto& c : cases) {
        const std::string info = describe(c.text);
        LogCapture log;
        GlyphDescription description;
        EXPECT_FALSE(readGlyphDescription(info.c_str(), description)) << c.message;
        ASSERT_EQ(log.lines().size(), 1u) << log.all();
        EXPECT_TRUE(log.saw({"Error: ", info.c_str(), c.message})) << log.all();
    }
    const std::string windows = describe(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- \xC3\xA9 -->\r\n"
        "<font glyph_size=\"8\">\r<glyphs><glyph UTF-32=\"233\" advance_x_64=\"64\">" +
        nest + "</glyph></glyphs></font>\r\n");
    LogCapture log;
    GlyphDescription description;
    ASSERT_TRUE(readGlyphDescription(windows.c_str(), description));
    EXPECT_EQ(description.glyphSize, 8);
    ASSERT_EQ(description.glyphs.size(), 1u);
    EXPECT_EQ(description.glyphs[0].code, 233);
    EXPECT_TRUE(log.lines().empty()) << log.all();
}

// Boxes are measured in glyph sizes and texture coordinates in atlas fractions; a glyph
// that leaves attributes out keeps those of the glyph before, and a later glyph of the
// same code replaces the earlier one. An atlas "<name>_glow" is the font's glow.
TEST_F(FontLoaderTest, GlyphsAreMeasuredInGlyphSizesAndAtlasFractions) {
    const std::string info = describe(kOneGlyph);
    std::unique_ptr<BitmapFont> font = load("Bright", "Textures/Bright", info);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->glowTexture().get(), getResource<Texture>("Textures/Bright_glow", "Texture").get());
    EXPECT_EQ(std::make_tuple(font->name(), font->textureName(), font->infoName()),
              std::make_tuple(std::string("Bright"), std::string("Textures/Bright"), info));
    auto expectGlyph = [&](int32_t code, std::vector<float> metrics) {
        const GlyphMetrics* g = font->findGlyph(code);
        ASSERT_NE(g, nullptr) << code;
        const std::vector<float> got = {g->left,    g->bottom, g->right, g->top,    g->uLeft,
                                        g->vBottom, g->uRight, g->vTop,  g->advance};
        for (size_t i = 0; i < got.size(); ++i) EXPECT_FLOAT_EQ(got[i], metrics[i]) << code << " field " << i;
    };
    expectGlyph(65, {2.0f / 64, -4.0f / 64, 42.0f / 64, 44.0f / 64, 32.0f / 256, 64.0f / 128, 72.0f / 256,
                     16.0f / 128, 2944.0f / (64 * 64)});
    font = load("Alba", "Textures/Alba", describe(R"(<anything glyph_size="32">
      <other><glyph UTF-32="90" x="200"/></other>
      <GLYPHS>
        <a UTF-32="66" x="10" y="20" width="8" rows="16" left="1" top="12" advance_x_64="640"/>
        <b UTF-32="67" x="30"/>
        <c UTF-32="66" x="50" width="4"/>
      </GLYPHS></anything>)"));
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->glowTexture());
    EXPECT_EQ(font->glyphs().size(), 2u);
    EXPECT_EQ(font->findGlyph(90), nullptr);
    expectGlyph(67, {1.0f / 32, -4.0f / 32, 9.0f / 32, 12.0f / 32, 30.0f / 256, 36.0f / 128, 38.0f / 256,
                     20.0f / 128, 640.0f / (32 * 64)});
    expectGlyph(66, {1.0f / 32, -4.0f / 32, 5.0f / 32, 12.0f / 32, 50.0f / 256, 36.0f / 128, 54.0f / 256,
                     20.0f / 128, 640.0f / (32 * 64)});
}

TEST_F(FontLoaderTest, TheWriterAndReaderAgreeOnEveryAttribute) {
    GlyphDescription written, read;
    written.glyphSize = 96;
    written.glyphs = {{65, 1, 2, 3, 4, -5, 6, 7}, {-61, 10, 20, 30, 40, 50, -60, 70}};
    const std::string file = folder_.file("written.xml");
    ASSERT_TRUE(writeGlyphDescription(file.c_str(), written) && readGlyphDescription(file.c_str(), read));
    auto fields = [](const GlyphDescription& d) {
        std::vector<int32_t> all{d.glyphSize};
        for (const GlyphRecord& g : d.glyphs)
            all.insert(all.end(), {g.code, g.x, g.y, g.width, g.rows, g.left, g.top, g.advanceX64});
        return all;
    };
    EXPECT_EQ(fields(read), fields(written));
    LogCapture log;
    EXPECT_FALSE(writeGlyphDescription(folder_.file("no/such/dir.xml").c_str(), written));
    EXPECT_TRUE(log.saw({"no/such/dir.xml"})) << log.all();
}

// Two glyphs with different boxes, and one stored under a negative code (byte 0xE9).
BitmapFont makeFont() {
    BitmapFont::Glyphs glyphs;
    glyphs['A'] = {0.1f, -0.2f, 0.6f, 0.8f, 0.0f, 0.5f, 0.25f, 0.0f, 0.7f};
    glyphs['b'] = {0.0f, 0.0f, 0.5f, 1.0f, 0.5f, 1.0f, 0.75f, 0.5f, 0.5f};
    glyphs[-23] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 2.0f};
    return BitmapFont({}, {}, "Test", "Textures/test", "test.xml", glyphs);
}

void expectCorner(const ScreenVertex& v, float x, float y, float u, float tv) {
    const float got[] = {v.x, v.y, v.u, v.v}, want[] = {x, y, u, tv};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-6f) << i;
}

// Unknown characters neither make a quad nor move the pen; only the first `maximum`
// characters are looked at; colours are left as they were.
TEST(LayoutText, PlacesScaledShearedGlyphsAlongThePenUpToTheMaximum) {
    const BitmapFont font = makeFont();
    std::vector<ScreenQuad> quads(4);
    for (auto& q : quads) q.corners[0].r = 0.3f;
    ASSERT_EQ(2, layoutText(font, quads.data(), 10, "A?b", 2.0f, 0.5f));
    const ScreenVertex *a = quads[0].corners, *b = quads[1].corners;
    expectCorner(a[0], 0.2f - 0.2f, -0.4f, 0.0f, 0.5f);
    expectCorner(a[1], 1.2f - 0.2f, -0.4f, 0.25f, 0.5f);
    expectCorner(a[2], 1.2f + 0.8f, 1.6f, 0.25f, 0.0f);
    expectCorner(a[3], 0.2f + 0.8f, 1.6f, 0.0f, 0.0f);
    // The second glyph starts at the first one's advance times the size.
    expectCorner(b[0], 1.4f, 0.0f, 0.5f, 1.0f);
    expectCorner(b[2], 1.4f + 1.0f + 1.0f, 2.0f, 0.75f, 0.5f);
    EXPECT_FLOAT_EQ(0.3f, a[0].r);
    const std::tuple<const char*, int, int> counts[] = {
        {"A??bbbb", 3, 1}, {"", 5, 0}, {"Ab", 0, 0}, {"\xE9\xEA", 2, 1}};
    for (const auto& [text, maximum, count] : counts)
        EXPECT_EQ(layoutText(font, quads.data(), maximum, text, 1.0f, 0.0f), count) << text;
    EXPECT_FLOAT_EQ(1.0f, quads[0].corners[1].x) << "bytes above 127 are negative codes";
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
