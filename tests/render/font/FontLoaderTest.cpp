#include <GL/glew.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/posix/FileInBuffer.h"
#include "render/ScreenspaceRenderer.h"
#include "render/TextureFile.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/FontLoader.h"
#include "render/font/GlyphDescription.h"
#include "render/font/LayoutText.h"
#include "support/FakeTexture.h"
#include "support/LogCapture.h"
#include "support/ScreenTest.h"
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
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"<?xml><f>\xC6", "UTF-8"},
        {"<?xml><f a=\"\xC6", "UTF-8"},
        {"<?xml><?xml version=\"\xC6", "UTF-8"},
        {"<font glyph_size=\"8\">" + deep, "nested deeper than"},
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
        "<font glyph_size=\"8\">\r<glyphs><glyph UTF-32=\"233\" advance_x_64=\"64\"/></glyphs></font>\r\n");
    LogCapture log;
    GlyphDescription description;
    ASSERT_TRUE(readGlyphDescription(windows.c_str(), description));
    EXPECT_EQ(description.glyphSize, 8);
    ASSERT_EQ(description.glyphs.size(), 1u);
    EXPECT_EQ(description.glyphs[0].code, 233);
    EXPECT_TRUE(log.lines().empty()) << log.all();
}

TEST_F(FontLoaderTest, TheGlowTwinIsFoundByNameOrLeftEmpty) {
    const std::string info = describe(kOneGlyph);
    std::unique_ptr<BitmapFont> plain = load("Alba", "Textures/Alba", info);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->glowTexture());
    std::unique_ptr<BitmapFont> bright = load("Bright", "Textures/Bright", info);
    ASSERT_TRUE(bright && bright->glowTexture());
    EXPECT_EQ(bright->glowTexture().get(), getResource<Texture>("Textures/Bright_glow", "Texture").get());
    EXPECT_EQ(std::make_tuple(bright->name(), bright->textureName(), bright->infoName()),
              std::make_tuple(std::string("Bright"), std::string("Textures/Bright"), info));
}

// Boxes are measured in glyph sizes and texture coordinates in atlas fractions; a glyph
// that leaves attributes out keeps those of the glyph before, and a later glyph of the
// same code replaces the earlier one.
TEST_F(FontLoaderTest, GlyphsAreMeasuredInGlyphSizesAndAtlasFractions) {
    std::unique_ptr<BitmapFont> font = load("Alba", "Textures/Alba", describe(kOneGlyph));
    ASSERT_NE(font, nullptr);
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
    EXPECT_EQ(font->glyphs().size(), 2u);
    EXPECT_EQ(font->findGlyph(90), nullptr);
    expectGlyph(67, {1.0f / 32, -4.0f / 32, 9.0f / 32, 12.0f / 32, 30.0f / 256, 36.0f / 128, 38.0f / 256,
                     20.0f / 128, 640.0f / (32 * 64)});
    expectGlyph(66, {1.0f / 32, -4.0f / 32, 5.0f / 32, 12.0f / 32, 50.0f / 256, 36.0f / 128, 54.0f / 256,
                     20.0f / 128, 640.0f / (32 * 64)});
}

TEST_F(FontLoaderTest, TheWriterAndReaderAgreeOnEveryAttribute) {
    GlyphDescription written;
    written.glyphSize = 96;
    written.glyphs.push_back({65, 1, 2, 3, 4, -5, 6, 7});
    written.glyphs.push_back({-61, 10, 20, 30, 40, 50, -60, 70});
    const std::string file = folder_.file("written.xml");
    ASSERT_TRUE(writeGlyphDescription(file.c_str(), written));
    GlyphDescription read;
    ASSERT_TRUE(readGlyphDescription(file.c_str(), read));
    EXPECT_EQ(read.glyphSize, 96);
    ASSERT_EQ(read.glyphs.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const GlyphRecord &w = written.glyphs[i], &r = read.glyphs[i];
        EXPECT_EQ(std::make_tuple(r.code, r.x, r.y, r.width, r.rows, r.left, r.top, r.advanceX64),
                  std::make_tuple(w.code, w.x, w.y, w.width, w.rows, w.left, w.top, w.advanceX64));
    }
    LogCapture log;
    EXPECT_FALSE(writeGlyphDescription(folder_.file("no/such/dir.xml").c_str(), written));
    EXPECT_TRUE(log.saw({"no/such/dir.xml"})) << log.all();
}

// The game's own font, as the build makes it: it loads, spans printable ASCII, and
// skips bytes above 127 when laying text out.
TEST_F(FontLoaderTest, TheGameFontLoadsAndLaysOutAScoreAtASensibleWidth) {
    const std::string fonts = NIMBUS_DATA_DIR "/Fonts/";
    FileInBuffer in;
    ASSERT_TRUE(in.open(fonts + "Alba.texture"));
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    EXPECT_EQ(header.format, static_cast<int16_t>(PixelFormat::Alpha));
    registerTexture("Textures/Game", new FakeTexture(header.width, header.height));
    std::unique_ptr<BitmapFont> font = load("Alba", "Textures/Game", fonts + "Alba.xml");
    ASSERT_NE(font, nullptr);
    for (int code = 32; code < 127; ++code) EXPECT_NE(font->findGlyph(code), nullptr) << code;
    ScreenQuad quads[16];
    ASSERT_EQ(layoutText(*font, quads, 16, "Score 12345", 0.1f, 0.0f), 11);
    const float width = quads[10].corners[2].x - quads[0].corners[0].x;
    EXPECT_GT(width, 0.4f);
    EXPECT_LT(width, 0.9f);
    EXPECT_EQ(layoutText(*font, quads, 16, "a\xc3\xa9z", 0.1f, 0.0f), 2);
}

using GameFont = ScreenTest;

// A large letter of the game's font drawn sharp, then as its glow: the glow spreads
// wider than the letter and has faded out before the edge of the glyph's quad, so it is
// never cut off.
TEST_F(GameFont, GlowsWiderThanItsLettersAndFadesInsideTheirQuads) {
    loadDataTexture("Fonts/Alba");
    loadDataTexture("Fonts/Alba_glow");
    TiXmlElement element("font");
    element.SetAttribute("name", "Alba");
    element.SetAttribute("texture", "Textures/Alba");
    element.SetAttribute("info", NIMBUS_DATA_DIR "/Fonts/Alba.xml");
    std::unique_ptr<BitmapFont> font(loadFont(element));
    ASSERT_TRUE(font && font->glowTexture());
    ScreenQuad quad;
    ASSERT_EQ(layoutText(*font, &quad, 1, "O", 0.8f, 0.0f), 1);
    const Vector2 anchor(-0.3f, -0.3f);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    guiToPixel(quad.corners[0].x + anchor.x, quad.corners[0].y + anchor.y, x0, y0);
    guiToPixel(quad.corners[2].x + anchor.x, quad.corners[2].y + anchor.y, x1, y1);
    const int width = x1 - x0, height = y1 - y0;
    ASSERT_GT(width, 100);
    // The blue bytes of the quad's pixels, rows from the bottom.
    auto blueChannel = [&]() {
        std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4), blue;
        glReadPixels(x0, y0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        for (size_t i = 2; i < rgba.size(); i += 4) blue.push_back(rgba[i]);
        return blue;
    };
    auto lit = [](const std::vector<uint8_t>& blue) {
        return std::count_if(blue.begin(), blue.end(), [](uint8_t b) { return b > 64; });
    };
    const Color white(1, 1, 1, 1), purple(0.5f, 0, 1, 1);
    drawText(1, {}, anchor, &quad, font->texture(), *renderer_, false, &white);
    renderer_->flush();
    const auto sharp = lit(blueChannel());
    core_->clear(Color(0, 0, 0, 1));
    drawText(1, {}, anchor, &quad, font->glowTexture(), *renderer_, true, &purple);
    renderer_->flush();
    const std::vector<uint8_t> glow = blueChannel();
    EXPECT_GT(sharp, 1000);
    EXPECT_GT(lit(glow), sharp + sharp / 4);
    uint8_t rim = 0;
    for (int x = 0; x < width; ++x)
        rim = std::max({rim, glow[size_t(width) + x], glow[size_t(height - 2) * width + x]});
    for (int y = 0; y < height; ++y)
        rim = std::max({rim, glow[size_t(y) * width + 1], glow[size_t(y) * width + width - 2]});
    EXPECT_LT(rim, 16);
}

}  // namespace
}  // namespace nimbus
