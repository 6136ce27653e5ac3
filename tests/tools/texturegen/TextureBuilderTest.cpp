#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ArtFiles.h"
#include "GlowFilter.h"
#include "Image.h"
#include "PictureSource.h"
#include "PngFile.h"
#include "TextureBuilder.h"
#include "TextureOptions.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "render/TextureFile.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

// 16 x 8, a gradient, a half-transparent pixel of straight colour (1, 0.5, 0) and a clear one.
Image pattern() {
    Image picture(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) picture.at(x, y) = {x / 15.0f, y / 7.0f, 0.25f, 1.0f};
    picture.at(3, 2) = {0.5f, 0.25f, 0.0f, 0.5f};
    picture.at(4, 2) = {};
    return picture;
}

TEST(TextureBuilder, WritesTheSameFilesEveryTimeAndTheEngineReadsTheirWholeChain) {
    TempFolder folder;
    std::string files;
    for (PixelFormat format :
         {PixelFormat::RGBA, PixelFormat::BGRA, PixelFormat::RGB, PixelFormat::BGR, PixelFormat::Alpha}) {
        ASSERT_TRUE(TextureBuilder::write(folder.file("t.texture"), pattern(), format));
        files += readFile(folder.file("t.texture"));
    }
    ASSERT_TRUE(TextureBuilder::write(folder.file("t.texture"), pattern(), PixelFormat::RGBA, false));
    files += readFile(folder.file("t.texture"));
    Image dots(16, 8);  // the glow spreads each dot evenly and never wraps across an edge
    dots.at(8, 4) = {0.2f, 0.6f, 1.0f, 1.0f};
    dots.at(0, 0) = {1.0f, 1.0f, 1.0f, 1.0f};
    ASSERT_TRUE(
        TextureBuilder::write(folder.file("t.texture"), makeGlow(dots, 2.0f, 4.0f), PixelFormat::RGBA));
    files += readFile(folder.file("t.texture"));
    EXPECT_EQ(fingerprint(files), 0x713c9cdd735992bdull) << "the texture files changed";

    FileInBuffer in;
    ASSERT_TRUE(in.open(folder.file("t.texture")));
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    // 16x8, 8x4, 4x2, 2x1
    EXPECT_EQ(std::make_tuple(header.format, header.width, header.height, header.mipCount, header.fileSize),
              std::make_tuple(int16_t(PixelFormat::RGBA), int16_t(16), int16_t(8), int16_t(4),
                              int32_t(32 + pixels.size())));
    EXPECT_EQ(pixels.size(), 4u * (128 + 32 + 8 + 2));
    EXPECT_EQ(in.bytesLeft(), 0);
}

TEST(TextureBuilder, RefusesSizesThatAreNotPowersOfTwoAndUnwritablePaths) {
    TempFolder folder;
    LogCapture log;
    EXPECT_FALSE(TextureBuilder::write(folder.file("odd.texture"), Image(6, 4), PixelFormat::RGBA));
    EXPECT_TRUE(log.saw({"odd.texture", "powers of two"}));
    EXPECT_FALSE(TextureBuilder::write("/nonexistent-folder/x.texture", Image(4, 4), PixelFormat::RGBA));
    EXPECT_TRUE(log.saw({"/nonexistent-folder/x.texture"}));
}

// An SVG's view box fills the size; a half-transparent pixel holds half its colour, a clear one none.
TEST(PictureSource, SvgAndPngSourcesArriveAsPremultipliedPixelsInTheRightChannels) {
    TempFolder folder;
    const std::string svg = folder.write(
        "quarters.svg",
        "<svg xmlns='http://www.w3.org/2000/svg' width='2' height='2' viewBox='0 0 2 2'>"
        "<rect width='1' height='1' fill='#ff0000'/><rect x='1' width='1' height='1' fill='#0000ff'/>"
        "<rect y='1' width='1' height='1' fill='#00ff00' fill-opacity='0.5'/></svg>");
    const unsigned char rgba[] = {255, 0, 0, 255, 0, 0, 255, 128, 10, 20, 30, 0, 255, 255, 255, 255};
    ASSERT_TRUE(writePng(folder.file("round.png"), 2, 2, rgba));
    Image d, p;
    ASSERT_TRUE(loadPicture(svg, 8, 8, d) && loadPicture(folder.file("round.png"), 2, 2, p));
    const float seen[] = {d.at(1, 1).r, d.at(1, 1).b, d.at(6, 1).b, d.at(6, 1).r, d.at(1, 6).a, d.at(1, 6).g,
                          d.at(6, 6).a, p.at(0, 0).r, p.at(1, 0).a, p.at(1, 0).b, p.at(0, 1).a, p.at(0, 1).r};
    const float wanted[] = {1, 0, 1, 0, 0.5f, 0.5f, 0, 1, 0.502f, 0.502f, 0, 0};
    for (size_t i = 0; i < std::size(seen); ++i) EXPECT_NEAR(seen[i], wanted[i], 0.01f) << i;
}

TEST(PictureSource, BadSourcesAreRefusedWithTheFileNamed) {
    TempFolder folder;
    const unsigned char pixel[] = {1, 2, 3, 4};
    ASSERT_TRUE(writePng(folder.file("small.png"), 1, 1, pixel));
    const std::pair<std::string, std::vector<const char*>> sources[] = {
        {"/nonexistent/missing.svg", {"missing.svg"}},
        {folder.write("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect</svg>"), {"broken.svg"}},
        {folder.write("text.png", "this is not a picture"), {"text.png"}},
        {folder.file("small.png"), {"small.png", "1 x 1", "4 x 4"}},
        {"picture.bmp", {"picture.bmp"}}};
    for (const auto& [path, pieces] : sources) {
        LogCapture log;
        Image image;
        EXPECT_FALSE(loadPicture(path, 4, 4, image)) << path;
        for (const char* piece : pieces) EXPECT_TRUE(log.saw({piece})) << path << ": " << log.all();
    }
}

bool parse(std::vector<const char*> args, TextureOptions& options) {
    return options.parse(static_cast<int>(args.size()), args.data());
}

// Options come in any order; what would make a bad texture is refused, with a line each.
TEST(TextureOptions, ReadsSourceOutputSizeFormatAndGlowInAnyOrderAndRefusesBadTextures) {
    TextureOptions o;
    ASSERT_TRUE(parse(
        {"--format", "alpha", "in.svg", "--glow", "4", "2.5", "--no-mips", "out.texture", "--size", "512x64"},
        o));
    EXPECT_EQ(std::make_tuple(o.source, o.output, o.width, o.height, o.format, o.glow, o.glowRadius,
                              o.glowStrength, o.mips),
              std::make_tuple(std::string("in.svg"), std::string("out.texture"), 512, 64, PixelFormat::Alpha,
                              true, 4.0f, 2.5f, false));
    LogCapture log;
    const std::vector<std::vector<const char*>> bad = {
        {"in.svg", "out.texture", "--size", "300x256"},  // not a power of two
        {"in.svg", "out.texture", "--size", "8192x8"},   // too large
        {"in.svg", "out.texture", "--size", "64x64junk"},
        {"in.svg", "out.texture", "--size", "64x64", "--format", "rgb565"},
        {"in.svg", "out.texture", "--size", "64x64", "--glow", "0", "1"},
        {"in.svg", "out.texture", "--size", "64x64", "--glow", "nan", "1"},
        {"in.svg", "out.texture", "--size", "64x64", "--glow", "4"},
        {"in.svg", "out.texture", "--size", "64x64", "--mystery"},
        {"in.svg", "out.texture", "extra", "--size", "64x64"},
        {"in.svg", "--size", "64x64"},  // no output
        {"in.svg", "out.texture"},      // no size
    };
    for (const auto& args : bad) {
        TextureOptions o;
        EXPECT_FALSE(parse(args, o)) << args.back();
    }
    EXPECT_GE(log.lines().size(), bad.size());
}

// The HUD's (u, v) rectangles, v = 0 at the top: extra life, stop time, reverse time, combo timer.
const float kHudRects[][4] = {
    {0, 0, 0.25f, 0.25f}, {0.5f, 0, 0.75f, 0.25f}, {0.25f, 0, 0.5f, 0.25f}, {0, 0.5f, 0.5f, 1}};

// Whether the centre of pixel (x, y) of 256 x 256 lies `margin` pixels inside the rectangle.
bool inside(const float* r, int x, int y, float margin) {
    const float u = (x + 0.5f) / 256, v = (y + 0.5f) / 256, m = margin / 256;
    return u > r[0] + m && u < r[2] - m && v > r[1] + m && v < r[3] - m;
}

// Along their borders and outside, the sharp atlas is empty, so a quad never shows a piece
// of its neighbour; the glow has faded by the border.
TEST(ArtTextures, HudIconsFillTheirAtlasRectanglesAndNothingElse) {
    Image icons, glow;
    const std::string common = std::string(NIMBUS_DATA_DIR "/") + kCommonThemeFolder;
    ASSERT_TRUE(readTextureImage(common + "/hud_icons.texture", icons));
    ASSERT_TRUE(readTextureImage(common + "/hud_icons_glow.texture", glow));
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

}  // namespace
}  // namespace nimbus
