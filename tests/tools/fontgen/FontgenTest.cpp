#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AtlasPacker.h"
#include "FontBuilder.h"
#include "support/CatalogueBytes.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

const char kComfortaa[] = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";

bool overlap(const AtlasBox& a, const AtlasBox& b, int gap) {
    return a.x < b.x + b.width + gap && b.x < a.x + a.width + gap && a.y < b.y + b.height + gap &&
           b.y < a.y + a.height + gap;
}

TEST(AtlasPacker, BoxesLandApartInsideAPowerOfTwoAtlas) {
    std::vector<AtlasBox> boxes;
    for (int i = 0; i < 40; ++i) boxes.push_back({5 + (i * 7) % 23, 3 + (i * 11) % 17, 0, 0});
    const int32_t height = packAtlas(boxes, 64, 2);
    ASSERT_GT(height, 0);
    EXPECT_EQ(height & (height - 1), 0);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const AtlasBox& b = boxes[i];
        EXPECT_TRUE(b.x >= 2 && b.y >= 2 && b.x + b.width + 2 <= 64 && b.y + b.height + 2 <= height) << i;
        for (size_t j = i + 1; j < boxes.size(); ++j) EXPECT_FALSE(overlap(b, boxes[j], 2)) << i << " " << j;
    }
    // A box wider than the atlas less its gaps fits nowhere.
    std::vector<AtlasBox> wide{{61, 4, 0, 0}};
    EXPECT_EQ(packAtlas(wide, 64, 2), 0);
}

// The glow fades out by the box's edge, so no box shows a neighbour's light. A capital's
// box reaches below the baseline by the glow margin only; it is about 0.7 em tall.
TEST(FontBuilder, EveryPrintableCharacterHasABoxWithRoomForItsGlow) {
    BuiltFont font;
    ASSERT_TRUE(buildFont(kComfortaa, 32, {}, font));
    const int w = font.atlas.width(), h = font.atlas.height();
    EXPECT_EQ(std::make_tuple(w & (w - 1), h & (h - 1), font.glow.width(), font.description.glyphSize),
              std::make_tuple(0, 0, w, 32));
    ASSERT_EQ(font.description.glyphs.size(), 95u);
    for (const GlyphRecord& g : font.description.glyphs) {
        EXPECT_GT(g.advanceX64, 0) << g.code;
        ASSERT_TRUE(g.code == ' ' ? g.width == 0 : g.width > 0 && g.x + g.width <= w && g.y + g.rows <= h)
            << g.code;
        float sharpEdge = 0, sharpInside = 0, glowEdge = 0, glowNear = 0;
        for (int x = g.x; x < g.x + g.width; ++x) {
            sharpEdge += font.atlas.at(x, g.y).a + font.atlas.at(x, g.y + g.rows - 1).a;
            glowEdge += font.glow.at(x, g.y).a + font.glow.at(x, g.y + g.rows - 1).a;
            glowNear += font.glow.at(x, g.y + 3).a + font.glow.at(x, g.y + g.rows - 4).a;
            for (int y = g.y; y < g.y + g.rows; ++y) sharpInside += font.atlas.at(x, y).a;
        }
        EXPECT_TRUE(g.code == ' ' || (sharpEdge == 0.0f && sharpInside > 0.0f && glowNear > 0.0f &&
                                      glowEdge / static_cast<float>(g.width) < 0.02f))
            << g.code << ": " << sharpEdge << " " << sharpInside << " " << glowNear << " " << glowEdge;
    }
    const GlyphRecord& capital = font.description.glyphs['H' - 32];
    const int margin = capital.rows - capital.top;
    EXPECT_TRUE(margin > 0 && margin < capital.rows / 4) << margin;
    EXPECT_NEAR(static_cast<float>(capital.top - margin) / 32.0f, 0.75f, 0.1f);
}

// One the font lacks stops the build with a line naming it and the text it is in.
TEST(FontBuilder, CarriesTheCataloguesCharactersAndNamesOneItLacks) {
    TempFolder folder;
    const std::vector<unsigned char> bytes =
        catalogueBytes({{"Play", "Jouer \xC3\xA0 l'\xC3\xAEle\n"}, {"Stars", "\xE2\x98\x85"}});
    folder.write("fr.mo", std::string(bytes.begin(), bytes.end()));
    CharacterUses uses;
    ASSERT_TRUE(gatherCharacters({folder.file("fr.mo")}, uses));
    std::string codes;
    for (const auto& [code, use] : uses) codes += std::to_string(code) + " ";
    EXPECT_EQ(codes, "224 238 9733 ");
    EXPECT_EQ(uses[0xE0], "\"Jouer \xC3\xA0 l'\xC3\xAEle\n\" (message \"Play\" of fr.mo)");
    BuiltFont font;
    LogCapture log;
    EXPECT_FALSE(buildFont(kComfortaa, 32, uses, font));
    EXPECT_TRUE(log.lines().size() == 1 && log.saw({"no glyph for '\xE2\x98\x85' (U+2605)", "\"Stars\""}))
        << log.all();
    uses.erase(0x2605);
    ASSERT_TRUE(buildFont(kComfortaa, 32, uses, font));
    EXPECT_EQ(font.description.glyphs.size(), 97u);
}

TEST(FontBuilder, ASourceThatIsNotAFontIsRefusedByName) {
    const std::string bad = NIMBUS_SOURCE_DIR "/tests/tools/fontgen/FontgenTest.cpp";
    for (const std::string& source : {bad, std::string("/nonexistent/Font.ttf")}) {
        LogCapture log;
        BuiltFont font;
        EXPECT_FALSE(buildFont(source, 32, {}, font));
        EXPECT_TRUE(log.saw({source.c_str()})) << log.all();
    }
}

}  // namespace
