// Fonts loaded from a glyph description and an atlas, and text laid out and drawn in quads.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "render/XmlFile.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/FontLoader.h"
#include "render/font/GlyphDescription.h"
#include "render/font/LayoutText.h"
#include "support/FakeTexture.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/OwnProcessWide.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const char kOneGlyph[] = R"(<font glyph_size="64"><glyphs>
  <glyph UTF-32="65" x="32" y="16" width="40" rows="48" left="2" top="44" advance_x_64="2944"/>
</glyphs></font>)";

// A resource manager holding atlases of the given sizes, and a folder for descriptions.
class FontLoaderTest : public ::testing::Test {
protected:
    FontLoaderTest() {
        const std::tuple<const char*, int, int> atlases[] = {{"Textures/Alba", 256, 128},
                                                             {"Textures/Odd", 100, 128},
                                                             {"Textures/Thin", 1, 256},
                                                             {"Textures/Bright", 256, 128},
                                                             {"Textures/Bright_glow", 256, 128}};
        for (const auto& [name, width, height] : atlases)
            registerTexture(name, new FakeTexture(width, height));
    }

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

    OwnProcessWide<ResourceManager> manager_;
    TempFolder folder_;
    int files_ = 0;
};

// Each fault is one error line; a missing atlas or unreadable description is refused silently.
TEST_F(FontLoaderTest, FontsAreRefusedForEachFaultInTurn) {
    const std::string info = describe(kOneGlyph);
    // The name, atlas and description, whether it loads, and the error line.
    const std::tuple<const char*, const char*, std::string, bool, const char*> cases[] = {
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
        {"Alba", "Textures/Alba", describe("<?xml version=\"1.0\"?>"), true, nullptr},
    };
    for (const auto& [name, texture, description, loads, message] : cases) {
        LogCapture log;
        EXPECT_EQ(load(name, texture, description) != nullptr, loads) << texture << " " << description;
        EXPECT_EQ(log.lines().size(), message ? 1u : 0u) << log.all();
        EXPECT_TRUE(!message || log.saw({"Error: ", message})) << log.all();
    }
}

// A file ending inside a UTF-8 sequence made TinyXML read past its buffer (in text, an
// attribute or a declaration), and deep nesting overflowed its stack. A byte order mark,
// Windows line ends and a tag inside a comment are fine.
TEST_F(FontLoaderTest, ADescriptionTinyXmlCannotTakeSafelyIsRefusedWithItsName) {
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<glyphs>";
    // Elements from the glyph's children down reach the deepest nesting allowed.
    std::string nest;
    for (int depth = 3; depth < kMaxXmlDepth; ++depth) nest = "<a>" + nest + "</a>";
    const std::pair<std::string, const char*> cases[] = {
        {"<?xml><f a=\"\xC6", "UTF-8"},
        {"<font glyph_size=\"8\">" + deep, "nested deeper than"},
        // One level too deep, with a tag whose quoted value holds "/>".
        {"<font><glyphs><glyph b=\"x/>\"><a>" + nest + "</a></glyph></glyphs></font>", "nested deeper than"},
    };
    for (const auto& [text, message] : cases) {
        const std::string info = describe(text);
        LogCapture log;
        GlyphDescription description;
        EXPECT_FALSE(readGlyphDescription(info.c_str(), description)) << message;
        ASSERT_EQ(log.lines().size(), 1u) << log.all();
        EXPECT_TRUE(log.saw({"Error: ", info.c_str(), message})) << log.all();
    }
    const std::string windows = describe(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- \xC3\xA9 > <a> -->\r\n"
        "<font glyph_size=\"8\">\r<glyphs><glyph UTF-32=\"233\" advance_x_64=\"64\">" +
        nest + "</glyph></glyphs></font>\r\n");
    LogCapture log;
    GlyphDescription description;
    ASSERT_TRUE(readGlyphDescription(windows.c_str(), description) && log.lines().empty()) << log.all();
    ASSERT_EQ(std::make_pair(description.glyphSize, description.glyphs.size()), std::make_pair(8, size_t(1)));
    EXPECT_EQ(description.glyphs[0].code, 233);
}

// A glyph that leaves attributes out keeps those of the one before, a later glyph of a code
// replaces the earlier, and an atlas "<name>_glow" is the font's glow.
TEST_F(FontLoaderTest, GlyphsAreMeasuredInGlyphSizesAndAtlasFractions) {
    const std::string info = describe(kOneGlyph);
    std::unique_ptr<BitmapFont> font = load("Bright", "Textures/Bright", info);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->glowTexture().get(), getResource<Texture>("Textures/Bright_glow", "Texture").get());
    EXPECT_EQ(std::make_tuple(font->name(), font->textureName(), font->infoName()),
              std::make_tuple(std::string("Bright"), std::string("Textures/Bright"), info));
    // Each glyph's code, box, texture coordinates and advance.
    auto glyphs = [&] {
        std::string text;
        char line[160];
        for (const auto& [code, g] : font->glyphs()) {
            std::snprintf(line, sizeof line, "%d: %.7g %.7g %.7g %.7g %.7g %.7g %.7g %.7g %.7g\n", code,
                          g.left, g.bottom, g.right, g.top, g.uLeft, g.vBottom, g.uRight, g.vTop, g.advance);
            text += line;
        }
        return text;
    };
    EXPECT_EQ(glyphs(), "65: 0.03125 -0.0625 0.65625 0.6875 0.125 0.5 0.28125 0.125 0.71875\n");
    font = load("Alba", "Textures/Alba", describe(R"(<anything glyph_size="32">
      <other><glyph UTF-32="90" x="200"/></other>
      <GLYPHS>
        <a UTF-32="66" x="10" y="20" width="8" rows="16" left="1" top="12" advance_x_64="640"/>
        <b UTF-32="67" x="30"/>
        <c UTF-32="66" x="50" width="4"/>
      </GLYPHS></anything>)"));
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->glowTexture());
    EXPECT_EQ(glyphs(),
              "66: 0.03125 -0.125 0.15625 0.375 0.1953125 0.28125 0.2109375 0.15625 0.3125\n"
              "67: 0.03125 -0.125 0.28125 0.375 0.1171875 0.28125 0.1484375 0.15625 0.3125\n");
}

TEST_F(FontLoaderTest, TheWriterAndReaderAgreeOnEveryAttribute) {
    GlyphDescription written, read;
    written.glyphSize = 96;
    written.glyphs = {{65, 1, 2, 3, 4, -5, 6, 7}, {-61, 10, 20, 30, 40, 50, -60, 70}};
    const std::string file = folder_.file("written.xml"), again = folder_.file("again.xml");
    ASSERT_TRUE(writeGlyphDescription(file.c_str(), written) && readGlyphDescription(file.c_str(), read) &&
                writeGlyphDescription(again.c_str(), read));
    EXPECT_TRUE(matchesGolden(readFile(file), 0xb8c62d275d3e49a7ull));
    EXPECT_EQ(readFile(again), readFile(file)) << "what was read writes the same file";
    LogCapture log;
    EXPECT_FALSE(writeGlyphDescription(folder_.file("no/such/dir.xml").c_str(), written));
    EXPECT_TRUE(log.saw({"no/such/dir.xml"})) << log.all();
}

// Two glyphs with different boxes, one under a negative code (byte 0xE9), one U+0416.
BitmapFont makeFont() {
    BitmapFont::Glyphs glyphs;
    glyphs['A'] = {0.1f, -0.2f, 0.6f, 0.8f, 0.0f, 0.5f, 0.25f, 0.0f, 0.7f};
    glyphs['b'] = {0.0f, 0.0f, 0.5f, 1.0f, 0.5f, 1.0f, 0.75f, 0.5f, 0.5f};
    glyphs[-23] = {0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, 2.0f};
    glyphs[0x416] = glyphs['b'];
    return BitmapFont({}, {}, "Test", "Textures/test", "test.xml", glyphs);
}

// Glyphs go along the pen, scaled by 2 and sheared by 0.5; unknown characters neither make a quad nor move
// the pen; only `maximum` characters are read, a UTF-8 one as one, a stray byte as a negative code. The text
// is drawn centred, right or left of its anchor across, centred or on the baseline upwards (unknown modes:
// left and baseline), in its own colours or one given, on the text or glow layer.
TEST(DrawText, LaidOutTextLandsAgainstItsAnchorAsWhenLastLookedAt) {
    const BitmapFont font = makeFont();
    ScreenQuad quads[4];
    for (ScreenQuad& q : quads) q.corners[0].r = 0.3f;
    const std::tuple<const char*, int, int> counts[] = {
        {"\u0416A\u0416", 2, 2}, {"A??bbbb", 3, 1}, {"", 5, 0}, {"Ab", 0, 0},
        {"\xE9\xEA", 2, 1},      {"A?b\xE9", 10, 3}};
    for (const auto& [text, maximum, count] : counts)
        EXPECT_EQ(layoutText(font, quads, maximum, text, 2.0f, 0.5f), count) << text;
    ResourceHandle<Texture> texture(new FakeTexture(4, 4));
    RecordingRenderer collector;
    const Color purple(0.5f, 0.0f, 1.0f, 0.25f);
    const TextAlignment alignments[] = {{TextAlignment::kCentre, TextAlignment::kBaseline},
                                        {TextAlignment::kRight, TextAlignment::kBaseline},
                                        {0, TextAlignment::kBaseline},
                                        {7, 2},
                                        {TextAlignment::kLeft, -1},
                                        {TextAlignment::kLeft, TextAlignment::kMiddle}};
    for (int i = 0; i < 6; ++i)
        drawText(3, alignments[i], Vector2(1, 2), quads, texture, collector, i % 2,
                 i % 2 ? &purple : nullptr);
    drawText(0, {}, Vector2(), quads, texture, collector, false, nullptr);
    const std::string drawn = quadText(collector.added);
    EXPECT_TRUE(matchesGolden(drawn, 0x8f360386a45716a8ull));
    EXPECT_FLOAT_EQ(quads[0].corners[0].r, 0.3f) << "the caller's quads are left as they were";
}

}  // namespace
}  // namespace nimbus
