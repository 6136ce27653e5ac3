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
#include "render/TextureFile.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

// A checker halves to flat grey, each level averaging blocks of four, down to the
// level whose smaller side is one pixel.
TEST(TextureBuilder, MipChainAveragesBlocksDownToASideOfOnePixel) {
    Image checker(8, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) checker.at(x, y) = (x + y) % 2 ? Pixel{1, 1, 1, 1} : Pixel{0, 0, 0, 1};
    const auto levels = TextureBuilder::mipChain(checker);
    ASSERT_EQ(levels.size(), 2u);
    ASSERT_EQ(std::make_pair(levels[1].width(), levels[1].height()), std::make_pair(4, 1));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(std::make_pair(levels[1].at(x, 0).r, levels[1].at(x, 0).a), std::make_pair(0.5f, 1.0f));
    EXPECT_EQ(TextureBuilder::mipChain(Image(1, 1)).size(), 1u);
    EXPECT_TRUE(TextureBuilder::mipChain(Image(12, 8)).empty());
    EXPECT_TRUE(TextureBuilder::mipChain(Image(8, 6)).empty());
}

TEST(TextureBuilder, PacksEveryFormatWithStraightColourInItsChannelOrder) {
    // Half-transparent orange, premultiplied: its straight colour is (1, 0.5, 0).
    std::vector<Image> levels{Image(1, 1)};
    levels[0].at(0, 0) = {0.5f, 0.25f, 0.0f, 0.5f};
    EXPECT_EQ(TextureBuilder::pack(levels, PixelFormat::RGBA), (std::vector<uint8_t>{255, 128, 0, 128}));
    EXPECT_EQ(TextureBuilder::pack(levels, PixelFormat::BGRA), (std::vector<uint8_t>{0, 128, 255, 128}));
    // Without alpha the colour is as seen over black.
    EXPECT_EQ(TextureBuilder::pack(levels, PixelFormat::RGB), (std::vector<uint8_t>{128, 64, 0}));
    EXPECT_EQ(TextureBuilder::pack(levels, PixelFormat::BGR), (std::vector<uint8_t>{0, 64, 128}));
    EXPECT_EQ(TextureBuilder::pack(levels, PixelFormat::Alpha), (std::vector<uint8_t>{128}));
    // A fully transparent pixel packs as transparent black, not as a division by zero.
    EXPECT_EQ(TextureBuilder::pack({Image(1, 1)}, PixelFormat::RGBA), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(TextureBuilder, WrittenFileReadsBackWithItsWholeChainAndTheSameBytesEveryTime) {
    Image picture(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) picture.at(x, y) = {x / 15.0f, y / 7.0f, 0.25f, 1.0f};
    TempFolder folder;
    const std::string first = folder.file("a.texture"), second = folder.file("b.texture");
    ASSERT_TRUE(TextureBuilder::write(first, picture, PixelFormat::RGB));
    ASSERT_TRUE(TextureBuilder::write(second, picture, PixelFormat::RGB));
    EXPECT_EQ(readFile(first), readFile(second));

    FileInBuffer in;
    ASSERT_TRUE(in.open(first));
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    // 16x8, 8x4, 4x2, 2x1
    EXPECT_EQ(std::make_tuple(header.format, header.width, header.height, header.mipCount, header.fileSize),
              std::make_tuple(int16_t(PixelFormat::RGB), int16_t(16), int16_t(8), int16_t(4),
                              int32_t(32 + pixels.size())));
    EXPECT_EQ(pixels.size(), 3u * (128 + 32 + 8 + 2));
    EXPECT_EQ(in.bytesLeft(), 0);
    // Rows are stored from the top: the first pixel of the second row has y = 1.
    EXPECT_EQ(pixels[3 * 16 + 1], 36);  // lround(1/7 * 255)
}

TEST(TextureBuilder, RefusesSizesThatAreNotPowersOfTwoAndUnwritablePaths) {
    TempFolder folder;
    LogCapture log;
    EXPECT_FALSE(TextureBuilder::write(folder.file("odd.texture"), Image(6, 4), PixelFormat::RGBA));
    EXPECT_TRUE(log.saw({"odd.texture", "powers of two"}));
    EXPECT_FALSE(TextureBuilder::write("/nonexistent-folder/x.texture", Image(4, 4), PixelFormat::RGBA));
    EXPECT_TRUE(log.saw({"/nonexistent-folder/x.texture"}));
}

TEST(GlowFilter, SpreadsAShapeEvenlyInItsOwnColourAndNeverWrapsAcrossEdges) {
    Image picture(33, 33);
    picture.at(16, 16) = {0.2f, 0.6f, 1.0f, 1.0f};
    picture.at(0, 0) = {1.0f, 1.0f, 1.0f, 1.0f};
    const Image glow = makeGlow(picture, 3.0f, 4.0f);
    const Pixel& near = glow.at(19, 16);
    EXPECT_TRUE(near.a > 0.0f && near.a < glow.at(16, 16).a);
    EXPECT_EQ(std::make_pair(glow.at(13, 16).a, glow.at(16, 19).a), std::make_pair(near.a, near.a));
    // The straight colour of the halo is the shape's colour.
    EXPECT_NEAR(near.g / near.a, 0.6f, 1e-4f);
    EXPECT_NEAR(near.b / near.a, 1.0f, 1e-4f);
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 33; ++x)
            ASSERT_TRUE(glow.at(x, y).a <= 1.0f + 1e-5f && glow.at(x, y).r <= glow.at(x, y).a + 1e-5f)
                << x << ", " << y;
    // The corner pixel does not leak into the opposite corners.
    EXPECT_EQ(glow.at(32, 32).a, 0.0f);
    EXPECT_EQ(glow.at(32, 0).a, 0.0f);
}

TEST(PictureSource, SvgDrawsItsViewBoxOverTheRequestedSizeInTheRightChannels) {
    TempFolder folder;
    const std::string path = folder.write(
        "quarters.svg",
        "<svg xmlns='http://www.w3.org/2000/svg' width='2' height='2' viewBox='0 0 2 2'>"
        "<rect width='1' height='1' fill='#ff0000'/><rect x='1' width='1' height='1' fill='#0000ff'/>"
        "<rect y='1' width='1' height='1' fill='#00ff00' fill-opacity='0.5'/></svg>");
    Image image;
    ASSERT_TRUE(loadPicture(path, 8, 8, image));
    ASSERT_EQ(image.width(), 8);
    // Premultiplied: half-transparent green holds half its green.
    const float seen[] = {image.at(1, 1).r, image.at(1, 1).b, image.at(6, 1).b, image.at(6, 1).r,
                          image.at(1, 6).a, image.at(1, 6).g, image.at(6, 6).a};
    const float wanted[] = {1, 0, 1, 0, 0.5f, 0.5f, 0};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(seen[i], wanted[i], 0.01f) << i;
}

TEST(PictureSource, PngRoundTripKeepsStraightColourAndTransparency) {
    TempFolder folder;
    const std::string path = folder.file("round.png");
    const unsigned char rgba[] = {255, 0, 0, 255, 0, 0, 255, 128, 10, 20, 30, 0, 255, 255, 255, 255};
    ASSERT_TRUE(writePng(path, 2, 2, rgba));
    Image image;
    ASSERT_TRUE(loadPicture(path, 2, 2, image));
    EXPECT_NEAR(image.at(0, 0).r, 1.0f, 1e-3f);
    EXPECT_NEAR(image.at(1, 0).a, 128 / 255.0f, 1e-3f);
    EXPECT_NEAR(image.at(1, 0).b, 128 / 255.0f, 1e-3f);
    EXPECT_EQ(std::make_pair(image.at(0, 1).a, image.at(0, 1).r), std::make_pair(0.0f, 0.0f));
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

TEST(TextureOptions, ReadsSourceOutputSizeFormatAndGlowInAnyOrder) {
    TextureOptions o;
    ASSERT_TRUE(parse(
        {"--format", "alpha", "in.svg", "--glow", "4", "2.5", "--no-mips", "out.texture", "--size", "512x64"},
        o));
    EXPECT_EQ(std::make_tuple(o.source, o.output, o.width, o.height, o.format, o.glow, o.glowRadius,
                              o.glowStrength, o.mips),
              std::make_tuple(std::string("in.svg"), std::string("out.texture"), 512, 64, PixelFormat::Alpha,
                              true, 4.0f, 2.5f, false));
}

TEST(TextureOptions, RefusesWhatWouldMakeABadTexture) {
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

// The HUD's icon atlas of the data directory: the rectangles the drawing code cuts from it.
Image load(const std::string& name) {
    Image image;
    EXPECT_TRUE(readTextureImage(NIMBUS_DATA_DIR "/" + name + ".texture", image)) << name;
    return image;
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

}  // namespace
}  // namespace nimbus
