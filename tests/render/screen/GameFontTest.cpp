#include <GL/glew.h>
#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "ScreenTestWindow.h"
#include "core/math/Color.h"
#include "core/posix/FileInBuffer.h"
#include "render/TextureFile.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/FontLoader.h"
#include "render/font/LayoutText.h"

using namespace nimbus;

namespace {

// The game's font as the build makes it, on the GPU; null when the data is not built.
std::unique_ptr<BitmapFont> loadGameFont(Core& core) {
    const std::string fonts = NIMBUS_DATA_DIR "/Fonts/";
    for (const char* name : {"Alba", "Alba_glow"}) {
        FileInBuffer in;
        TextureHeader header;
        std::vector<uint8_t> pixels;
        if (!in.open(fonts + name + ".texture") || !readTextureFile(in, header, pixels)) return nullptr;
        registerTexture((std::string("Textures/") + name).c_str(),
                        core.createTexture(header, pixels.data(), static_cast<int64_t>(pixels.size())));
    }
    TiXmlElement element("font");
    element.SetAttribute("name", "Alba");
    element.SetAttribute("texture", "Textures/Alba");
    element.SetAttribute("info", (fonts + "Alba.xml").c_str());
    return std::unique_ptr<BitmapFont>(loadFont(element));
}

// The blue bytes of the window rectangle (x0, y0) to (x1, y1) in pixels, rows from the bottom.
std::vector<uint8_t> blueChannel(int x0, int y0, int x1, int y1) {
    std::vector<uint8_t> rgba(static_cast<size_t>(x1 - x0) * (y1 - y0) * 4);
    glReadPixels(x0, y0, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<uint8_t> blue;
    for (size_t i = 2; i < rgba.size(); i += 4) blue.push_back(rgba[i]);
    return blue;
}

}  // namespace

// A large letter drawn sharp, then as its glow: the glow spreads wider than the letter
// and has faded out before the edge of the glyph's quad, so it is never cut off.
TEST_F(ScreenTest, TheGameFontGlowsWiderThanItsLettersAndFadesInsideTheirQuads) {
    std::unique_ptr<BitmapFont> font = loadGameFont(*core_);
    if (!font) GTEST_SKIP() << "the data directory is not built here";
    ASSERT_TRUE(font->glowTexture());
    ScreenQuad quad;
    ASSERT_EQ(layoutText(*font, &quad, 1, "O", 0.8f, 0.0f), 1);
    const Vector2 anchor(-0.3f, -0.3f);
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    toPixel(quad.corners[0].x + anchor.x, quad.corners[0].y + anchor.y, x0, y0);
    toPixel(quad.corners[2].x + anchor.x, quad.corners[2].y + anchor.y, x1, y1);
    ASSERT_GT(x1 - x0, 100);

    auto lit = [](const std::vector<uint8_t>& blue) {
        return std::count_if(blue.begin(), blue.end(), [](uint8_t b) { return b > 64; });
    };
    const Color white(1, 1, 1, 1), purple(0.5f, 0, 1, 1);
    drawText(1, {}, anchor, &quad, font->texture(), *renderer_, false, &white);
    renderer_->flush();
    const auto sharp = lit(blueChannel(x0, y0, x1, y1));

    core_->clear(Color(0, 0, 0, 1));
    drawText(1, {}, anchor, &quad, font->glowTexture(), *renderer_, true, &purple);
    renderer_->flush();
    const std::vector<uint8_t> glow = blueChannel(x0, y0, x1, y1);
    EXPECT_GT(sharp, 1000);
    EXPECT_GT(lit(glow), sharp + sharp / 4);
    const int width = x1 - x0, height = y1 - y0;
    uint8_t rim = 0;
    for (int x = 0; x < width; ++x) {
        rim = std::max({rim, glow[static_cast<size_t>(1) * width + x], glow[static_cast<size_t>(height - 2) * width + x]});
    }
    for (int y = 0; y < height; ++y) {
        rim = std::max({rim, glow[static_cast<size_t>(y) * width + 1], glow[static_cast<size_t>(y) * width + width - 2]});
    }
    EXPECT_LT(rim, 16);
}
