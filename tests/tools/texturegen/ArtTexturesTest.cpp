// The textures of the data directory, read back through the engine's reader: the
// sizes, formats and mip chains the game expects, and the properties the drawing code
// relies on (atlas rectangles, tiling, the circle's nine-slice, the tile face).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ArtFiles.h"
#include "Image.h"
#include "core/posix/FileInBuffer.h"
#include "render/TextureFile.h"

namespace nimbus {
namespace {

const std::string kData = NIMBUS_DATA_DIR;

struct Expected {
    const char* file;
    PixelFormat format;
    int width, height, mips;
};

const Expected kTextures[] = {
    {"Themes/Common/backdrop", PixelFormat::RGB, 256, 256, 9},
    {"Themes/Common/hud_icons", PixelFormat::RGBA, 256, 256, 9},
    {"Themes/Common/hud_icons_glow", PixelFormat::RGBA, 256, 256, 9},
    {"Themes/Common/Soft_shadow", PixelFormat::RGB, 128, 128, 1},
    {"Themes/Common/Envmap", PixelFormat::RGB, 256, 256, 9},
    {"Themes/Common/Dice", PixelFormat::RGB, 1024, 512, 10},
    {"Themes/Common/Pickups", PixelFormat::RGB, 128, 128, 8},
    {"Themes/Lego/Soft_shadow", PixelFormat::RGB, 128, 128, 1},
    {"Frontend/hexagons", PixelFormat::RGB, 256, 256, 1},
    {"Frontend/circle", PixelFormat::RGBA, 128, 128, 8},
    {"Frontend/logo", PixelFormat::RGBA, 1024, 256, 9},
    {"Frontend/panel", PixelFormat::RGBA, 256, 256, 9},
};

Image load(const std::string& name) {
    Image image;
    EXPECT_TRUE(readTextureImage(kData + "/" + name + ".texture", image)) << name;
    return image;
}

float brightness(const Pixel& p) { return (p.r + p.g + p.b) / 3.0f; }

TEST(ArtTextures, EveryTextureHasItsSizeFormatAndWholeMipChain) {
    for (const Expected& e : kTextures) {
        FileInBuffer in;
        TextureHeader header;
        std::vector<uint8_t> pixels;
        ASSERT_TRUE(in.open(kData + "/" + e.file + ".texture") && readTextureFile(in, header, pixels))
            << e.file;
        EXPECT_EQ(std::make_tuple(header.format, header.width, header.height, header.mipCount),
                  std::make_tuple(int16_t(e.format), int16_t(e.width), int16_t(e.height), int16_t(e.mips)))
            << e.file;
    }
}

// The HUD draws texture rectangles given as (u, v) with v = 0 at the picture's top:
// extra life, stop time, reverse time and the combo timer.
const float kHudRects[][4] = {
    {0, 0, 0.25f, 0.25f}, {0.5f, 0, 0.75f, 0.25f}, {0.25f, 0, 0.5f, 0.25f}, {0, 0.5f, 0.5f, 1}};

// Whether the centre of pixel (x, y) of 256 x 256 lies `margin` pixels inside the rectangle.
bool inside(const float* r, int x, int y, float margin) {
    const float u = (x + 0.5f) / 256, v = (y + 0.5f) / 256, m = margin / 256;
    return u > r[0] + m && u < r[2] - m && v > r[1] + m && v < r[3] - m;
}

// Each rectangle is well covered; outside them, and along their borders, the sharp
// atlas is empty, so a quad never shows a piece of its neighbour; the glow has faded
// by the border.
TEST(ArtTextures, HudIconsFillTheirAtlasRectanglesAndNothingElse) {
    const Image icons = load("Themes/Common/hud_icons"), glow = load("Themes/Common/hud_icons_glow");
    ASSERT_EQ(icons.width(), 256);
    int covered[4] = {}, total[4] = {};
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            bool deepInside = false;
            for (int r = 0; r < 4; ++r) {
                total[r] += inside(kHudRects[r], x, y, 0);
                covered[r] += inside(kHudRects[r], x, y, 0) && icons.at(x, y).a > 0.5f;
                deepInside = deepInside || inside(kHudRects[r], x, y, 2);
            }
            if (deepInside) continue;
            ASSERT_EQ(icons.at(x, y).a, 0.0f) << x << ", " << y;
            ASSERT_LT(glow.at(x, y).a, 0.25f) << x << ", " << y;
        }
    }
    for (int r = 0; r < 4; ++r) EXPECT_GT(covered[r], total[r] / 4) << "rectangle " << r;
}

// A picture that repeats changes no more across its wrap, in either direction, than
// between neighbouring rows and columns inside it.
TEST(ArtTextures, BackgroundsTileWithoutASeam) {
    for (const char* name : {"Themes/Common/backdrop", "Frontend/hexagons"}) {
        const Image image = load(name);
        for (bool rows : {false, true}) {
            const int lines = rows ? image.height() : image.width(),
                      along = rows ? image.width() : image.height();
            const auto step = [&](int a, int b) {
                float sum = 0.0f;
                for (int i = 0; i < along; ++i) {
                    sum += std::fabs(brightness(rows ? image.at(i, a) : image.at(a, i)) -
                                     brightness(rows ? image.at(i, b) : image.at(b, i)));
                }
                return sum / along;
            };
            float inside = 0.0f;
            for (int i = 0; i + 1 < lines; ++i) inside += step(i, i + 1);
            EXPECT_LE(step(lines - 1, 0), 3.0f * inside / (lines - 1) + 0.01f)
                << name << (rows ? " rows" : " columns");
        }
    }
}

// Along the middle row, the edge that rounded panes stretch: opaque inside, clear at
// the border, never rising on the way out, and white whatever its alpha.
TEST(ArtTextures, CircleIsAWhiteDiscWhoseAlphaFallsOffTowardsItsRim) {
    const Image circle = load("Frontend/circle");
    ASSERT_EQ(circle.width(), 128);
    EXPECT_TRUE(circle.at(64, 64).a > 0.99f && circle.at(64, 64).r > 0.99f);
    EXPECT_EQ(circle.at(0, 0).a, 0.0f);
    for (int x = 64; x + 1 < 128; ++x) EXPECT_GE(circle.at(x, 64).a + 1e-3f, circle.at(x + 1, 64).a) << x;
    EXPECT_LT(circle.at(127, 64).a, 0.1f);
    const Pixel& rim = circle.at(122, 64);
    ASSERT_GT(rim.a, 0.0f);
    EXPECT_NEAR(rim.r / rim.a, 1.0f, 0.02f);
}

// The theme's face really differs from the common one.
TEST(ArtTextures, TileFacesAreLightInsideAndDarkerAtTheRim) {
    const Image common = load("Themes/Common/Soft_shadow"), lego = load("Themes/Lego/Soft_shadow");
    float difference = 0.0f;
    for (const Image* face : {&common, &lego}) {
        EXPECT_GT(brightness(face->at(64, 64)), 0.85f);
        EXPECT_LT(std::max(brightness(face->at(127, 64)), brightness(face->at(64, 127))), 0.7f);
    }
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            difference += std::fabs(brightness(common.at(x, y)) - brightness(lego.at(x, y)));
    EXPECT_GT(difference / (128 * 128), 0.02f);
}

}  // namespace
}  // namespace nimbus
