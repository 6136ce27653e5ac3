#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "GlowFilter.h"
#include "Image.h"
#include "TextureBuilder.h"
#include "core/posix/FileInBuffer.h"
#include "render/TextureFile.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

Image filled(int w, int h, Pixel p) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.at(x, y) = p;
    return image;
}

TEST(TextureBuilder, MipChainRunsToTheLevelWhoseSmallerSideIsOnePixel) {
    const auto levels = TextureBuilder::mipChain(Image(8, 2));
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[1].width(), 4);
    EXPECT_EQ(levels[1].height(), 1);
    EXPECT_EQ(TextureBuilder::mipChain(Image(1, 1)).size(), 1u);
    EXPECT_TRUE(TextureBuilder::mipChain(Image(12, 8)).empty());
    EXPECT_TRUE(TextureBuilder::mipChain(Image(8, 6)).empty());
}

TEST(TextureBuilder, HalvingAveragesBlocksAndKeepsATileableCheckerFlat) {
    Image checker(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) checker.at(x, y) = (x + y) % 2 ? Pixel{1, 1, 1, 1} : Pixel{0, 0, 0, 1};
    const Image half = checker.halved();
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            EXPECT_FLOAT_EQ(half.at(x, y).r, 0.5f);
            EXPECT_FLOAT_EQ(half.at(x, y).a, 1.0f);
        }
    }
}

TEST(TextureBuilder, PacksEveryFormatWithStraightColourInItsChannelOrder) {
    // Half-transparent orange, premultiplied: its straight colour is (1, 0.5, 0).
    const std::vector<Image> levels{filled(1, 1, {0.5f, 0.25f, 0.0f, 0.5f})};
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
    const Pixel& centre = glow.at(16, 16);
    const Pixel& near = glow.at(19, 16);
    EXPECT_GT(near.a, 0.0f);
    EXPECT_LT(near.a, centre.a);
    EXPECT_FLOAT_EQ(glow.at(13, 16).a, near.a);
    EXPECT_FLOAT_EQ(glow.at(16, 19).a, near.a);
    // The straight colour of the halo is the shape's colour.
    EXPECT_NEAR(near.g / near.a, 0.6f, 1e-4f);
    EXPECT_NEAR(near.b / near.a, 1.0f, 1e-4f);
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
            const Pixel& p = glow.at(x, y);
            ASSERT_LE(p.a, 1.0f + 1e-5f);
            ASSERT_LE(p.r, p.a + 1e-5f);
        }
    }
    // The corner pixel does not leak into the opposite corners.
    EXPECT_EQ(glow.at(32, 32).a, 0.0f);
    EXPECT_EQ(glow.at(32, 0).a, 0.0f);
}

}  // namespace
}  // namespace nimbus
