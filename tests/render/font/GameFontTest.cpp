#include <GL/glew.h>
#include <tinyxml.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "core/math/Color.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/FontLoader.h"
#include "render/font/LayoutText.h"
#include "support/ScreenTest.h"

using namespace nimbus;

namespace {

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
