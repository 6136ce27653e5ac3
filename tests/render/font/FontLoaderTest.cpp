#include <gtest/gtest.h>
#include <tinyxml.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "../support/LogCapture.h"
#include "FakeTexture.h"
#include "core/ResourceManager.h"
#include "render/ScreenspaceRenderer.h"
#include "render/TextureFile.h"
#include "render/font/BitmapFont.h"
#include "render/font/FontLoader.h"
#include "render/font/GlyphDescription.h"
#include "render/font/LayoutText.h"
#include "core/posix/FileInBuffer.h"

using namespace nimbus;

namespace {

class FontLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = setResourceManager(&manager_);
        char pattern[] = "/tmp/nimbus-font-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory_ = pattern;
    }
    void TearDown() override {
        setResourceManager(previous_);
        for (const std::string& file : files_) std::remove(file.c_str());
        rmdir(directory_.c_str());
    }

    void addTexture(const char* name, int32_t width, int32_t height) {
        registerTexture(name, new FakeTexture(width, height));
    }
    // Writes a description file and returns its name.
    std::string describe(const std::string& text) {
        const std::string file = directory_ + "/font" + std::to_string(files_.size()) + ".xml";
        std::ofstream(file) << text;
        files_.push_back(file);
        return file;
    }
    static std::unique_ptr<TiXmlElement> element(const char* name, const char* texture, const std::string& info) {
        auto e = std::make_unique<TiXmlElement>("font");
        if (name) e->SetAttribute("name", name);
        if (texture) e->SetAttribute("texture", texture);
        if (!info.empty()) e->SetAttribute("info", info.c_str());
        return e;
    }
    std::unique_ptr<BitmapFont> load(const char* name, const char* texture, const std::string& info) {
        return std::unique_ptr<BitmapFont>(loadFont(*element(name, texture, info)));
    }

    ResourceManager manager_;
    ResourceManager* previous_ = nullptr;
    std::string directory_;
    std::vector<std::string> files_;
};

const char kOneGlyph[] = R"(<font glyph_size="64"><glyphs>
  <glyph UTF-32="65" x="32" y="16" width="40" rows="48" left="2" top="44" advance_x_64="2944"/>
</glyphs></font>)";

}  // namespace

TEST_F(FontLoaderTest, EachMissingAttributeIsReportedInTurn) {
    addTexture("Textures/Alba", 256, 128);
    const std::string info = describe(kOneGlyph);
    struct Case {
        const char* name;
        const char* texture;
        std::string info;
        const char* message;
    } cases[] = {
        {nullptr, nullptr, "", "Missing texture name attribute"},
        {"Alba", nullptr, info, "Missing texture filename attribute"},
        {"Alba", "Textures/Alba", "", "Missing info filename attribute"},
    };
    for (const Case& c : cases) {
        LogCapture log;
        EXPECT_EQ(load(c.name, c.texture, c.info), nullptr) << c.message;
        ASSERT_EQ(log.lines().size(), 1u) << log.all();
        EXPECT_TRUE(log.saw({"Error: ", c.message})) << log.all();
    }
}

TEST_F(FontLoaderTest, AnAtlasWhoseSidesAreNotPowersOfTwoIsRefused) {
    addTexture("Textures/Odd", 100, 128);
    addTexture("Textures/Thin", 1, 256);
    const std::string info = describe(kOneGlyph);
    {
        LogCapture log;
        EXPECT_EQ(load("Odd", "Textures/Odd", info), nullptr);
        EXPECT_TRUE(log.saw({"Incorrect texture dimensions: 100 x 128"})) << log.all();
    }
    LogCapture log;
    EXPECT_NE(load("Thin", "Textures/Thin", info), nullptr);
    EXPECT_TRUE(log.lines().empty()) << log.all();
}

TEST_F(FontLoaderTest, AMissingAtlasOrUnreadableDescriptionFailsWithoutAMessage) {
    addTexture("Textures/Alba", 256, 128);
    LogCapture log;
    EXPECT_EQ(load("Alba", "Textures/Nowhere", describe(kOneGlyph)), nullptr);
    EXPECT_EQ(load("Alba", "Textures/Alba", directory_ + "/absent.xml"), nullptr);
    EXPECT_EQ(load("Alba", "Textures/Alba", describe("this is <not xml")), nullptr);
    EXPECT_TRUE(log.lines().empty()) << log.all();
}

// TinyXML steps over a character by the length its lead byte announces: a file that ends
// inside a sequence made it read past its buffer, in element text, in an attribute and
// in a declaration alike. Its parse recurses once per level: deep nesting overflowed the
// stack.
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
}

TEST_F(FontLoaderTest, ADescriptionWithAByteOrderMarkAndWindowsLineEndsReads) {
    const std::string info = describe(
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- \xC3\xA9 -->\r\n"
        "<font glyph_size=\"8\">\r<glyphs><glyph UTF-32=\"233\" advance_x_64=\"64\"/></glyphs></font>\r\n");
    LogCapture log;
    GlyphDescription description;
    ASSERT_TRUE(readGlyphDescription(info.c_str(), description));
    EXPECT_EQ(description.glyphSize, 8);
    ASSERT_EQ(description.glyphs.size(), 1u);
    EXPECT_EQ(description.glyphs[0].code, 233);
    EXPECT_TRUE(log.lines().empty()) << log.all();
}

TEST_F(FontLoaderTest, TheGlowTwinIsFoundByNameOrLeftEmpty) {
    addTexture("Textures/Plain", 256, 128);
    addTexture("Textures/Bright", 256, 128);
    addTexture("Textures/Bright_glow", 256, 128);
    const std::string info = describe(kOneGlyph);
    std::unique_ptr<BitmapFont> plain = load("Plain", "Textures/Plain", info);
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->glowTexture());
    std::unique_ptr<BitmapFont> bright = load("Bright", "Textures/Bright", info);
    ASSERT_NE(bright, nullptr);
    ASSERT_TRUE(bright->glowTexture());
    EXPECT_EQ(bright->glowTexture().get(), getResource<Texture>("Textures/Bright_glow", "Texture").get());
    EXPECT_EQ(bright->name(), "Bright");
    EXPECT_EQ(bright->textureName(), "Textures/Bright");
    EXPECT_EQ(bright->infoName(), info);
}

TEST_F(FontLoaderTest, GlyphsAreMeasuredInGlyphSizesAndAtlasFractions) {
    addTexture("Textures/Alba", 256, 128);
    std::unique_ptr<BitmapFont> font = load("Alba", "Textures/Alba", describe(kOneGlyph));
    ASSERT_NE(font, nullptr);
    const GlyphMetrics* a = font->findGlyph(65);
    ASSERT_NE(a, nullptr);
    EXPECT_FLOAT_EQ(a->left, 2.0f / 64);
    EXPECT_FLOAT_EQ(a->bottom, -4.0f / 64);
    EXPECT_FLOAT_EQ(a->right, 42.0f / 64);
    EXPECT_FLOAT_EQ(a->top, 44.0f / 64);
    EXPECT_FLOAT_EQ(a->uLeft, 32.0f / 256);
    EXPECT_FLOAT_EQ(a->vBottom, 64.0f / 128);
    EXPECT_FLOAT_EQ(a->uRight, 72.0f / 256);
    EXPECT_FLOAT_EQ(a->vTop, 16.0f / 128);
    EXPECT_FLOAT_EQ(a->advance, 2944.0f / (64 * 64));
}

TEST_F(FontLoaderTest, AGlyphLeavingOutAttributesKeepsThoseOfTheGlyphBefore) {
    addTexture("Textures/Alba", 256, 256);
    const std::string info = describe(R"(<anything glyph_size="32">
      <other><glyph UTF-32="90" x="200"/></other>
      <GLYPHS>
        <a UTF-32="66" x="10" y="20" width="8" rows="16" left="1" top="12" advance_x_64="640"/>
        <b UTF-32="67" x="30"/>
        <c UTF-32="66" x="50" width="4"/>
      </GLYPHS></anything>)");
    std::unique_ptr<BitmapFont> font = load("Alba", "Textures/Alba", info);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->glyphs().size(), 2u);
    EXPECT_EQ(font->findGlyph(90), nullptr);
    const GlyphMetrics* c = font->findGlyph(67);
    ASSERT_NE(c, nullptr);
    EXPECT_FLOAT_EQ(c->uLeft, 30.0f / 256);
    EXPECT_FLOAT_EQ(c->vTop, 20.0f / 256);
    EXPECT_FLOAT_EQ(c->top, 12.0f / 32);
    EXPECT_FLOAT_EQ(c->right, 9.0f / 32);
    EXPECT_FLOAT_EQ(c->advance, 640.0f / (32 * 64));
    // The later glyph of code 66 replaced the first, and carried the rest from code 67.
    const GlyphMetrics* b = font->findGlyph(66);
    ASSERT_NE(b, nullptr);
    EXPECT_FLOAT_EQ(b->uLeft, 50.0f / 256);
    EXPECT_FLOAT_EQ(b->uRight, 54.0f / 256);
    EXPECT_FLOAT_EQ(b->vBottom, 36.0f / 256);
}

TEST_F(FontLoaderTest, ADocumentWithoutGlyphsGivesAnEmptyFontButGlyphsNeedAGlyphSize) {
    addTexture("Textures/Alba", 64, 64);
    std::unique_ptr<BitmapFont> empty = load("Alba", "Textures/Alba", describe("<?xml version=\"1.0\"?>"));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->glyphs().empty());
    LogCapture log;
    EXPECT_EQ(load("Alba", "Textures/Alba", describe(R"(<font><glyphs><g UTF-32="65" width="3"/></glyphs></font>)")),
              nullptr);
    EXPECT_TRUE(log.saw({"Incorrect glyph size 0"})) << log.all();
}

TEST_F(FontLoaderTest, TheWriterAndReaderAgreeOnEveryAttribute) {
    GlyphDescription written;
    written.glyphSize = 96;
    written.glyphs.push_back({65, 1, 2, 3, 4, -5, 6, 7});
    written.glyphs.push_back({-61, 10, 20, 30, 40, 50, -60, 70});
    const std::string file = directory_ + "/written.xml";
    files_.push_back(file);
    ASSERT_TRUE(writeGlyphDescription(file.c_str(), written));
    GlyphDescription read;
    ASSERT_TRUE(readGlyphDescription(file.c_str(), read));
    EXPECT_EQ(read.glyphSize, 96);
    ASSERT_EQ(read.glyphs.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const GlyphRecord &w = written.glyphs[i], &r = read.glyphs[i];
        EXPECT_EQ(r.code, w.code);
        EXPECT_EQ(r.x, w.x);
        EXPECT_EQ(r.y, w.y);
        EXPECT_EQ(r.width, w.width);
        EXPECT_EQ(r.rows, w.rows);
        EXPECT_EQ(r.left, w.left);
        EXPECT_EQ(r.top, w.top);
        EXPECT_EQ(r.advanceX64, w.advanceX64);
    }
    LogCapture log;
    EXPECT_FALSE(writeGlyphDescription((directory_ + "/no/such/dir.xml").c_str(), written));
    EXPECT_TRUE(log.saw({"no/such/dir.xml"})) << log.all();
}

// The game's own font, as the build makes it: it loads, spans printable ASCII, and
// skips bytes above 127 when laying text out.
TEST_F(FontLoaderTest, TheGameFontLoadsAndLaysOutAScoreAtASensibleWidth) {
    const std::string fonts = NIMBUS_DATA_DIR "/Fonts/";
    FileInBuffer in;
    if (!in.open(fonts + "Alba.texture")) GTEST_SKIP() << "the data directory is not built here";
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    EXPECT_EQ(header.format, static_cast<int16_t>(PixelFormat::Alpha));
    addTexture("Textures/Alba", header.width, header.height);
    std::unique_ptr<BitmapFont> font = load("Alba", "Textures/Alba", fonts + "Alba.xml");
    ASSERT_NE(font, nullptr);
    for (int code = 32; code < 127; ++code) EXPECT_NE(font->findGlyph(code), nullptr) << code;

    ScreenQuad quads[16];
    ASSERT_EQ(layoutText(*font, quads, 16, "Score 12345", 0.1f, 0.0f), 11);
    const float width = quads[10].corners[2].x - quads[0].corners[0].x;
    EXPECT_GT(width, 0.4f);
    EXPECT_LT(width, 0.9f);
    EXPECT_EQ(layoutText(*font, quads, 16, "a\xc3\xa9z", 0.1f, 0.0f), 2);
}
