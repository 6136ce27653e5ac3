#include <gtest/gtest.h>

#include <string>

#include "Image.h"
#include "PictureSource.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

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
    const Pixel& red = image.at(1, 1);
    const Pixel& blue = image.at(6, 1);
    const Pixel& green = image.at(1, 6);
    EXPECT_NEAR(red.r, 1.0f, 0.01f);
    EXPECT_NEAR(red.b, 0.0f, 0.01f);
    EXPECT_NEAR(blue.b, 1.0f, 0.01f);
    EXPECT_NEAR(blue.r, 0.0f, 0.01f);
    // Premultiplied: half-transparent green holds half its green.
    EXPECT_NEAR(green.a, 0.5f, 0.01f);
    EXPECT_NEAR(green.g, 0.5f, 0.01f);
    EXPECT_EQ(image.at(6, 6).a, 0.0f);
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
    EXPECT_EQ(image.at(0, 1).a, 0.0f);
    EXPECT_EQ(image.at(0, 1).r, 0.0f);
}

TEST(PictureSource, BadSourcesAreRefusedWithTheFileNamed) {
    TempFolder folder;
    LogCapture log;
    Image image;
    EXPECT_FALSE(loadPicture("/nonexistent/missing.svg", 4, 4, image));
    EXPECT_TRUE(log.saw({"missing.svg"}));

    const std::string broken =
        folder.write("broken.svg", "<svg xmlns='http://www.w3.org/2000/svg'><rect</svg>");
    EXPECT_FALSE(loadPicture(broken, 4, 4, image));
    EXPECT_TRUE(log.saw({"broken.svg"}));

    const std::string notPng = folder.write("text.png", "this is not a picture");
    EXPECT_FALSE(loadPicture(notPng, 4, 4, image));
    EXPECT_TRUE(log.saw({"text.png"}));

    const std::string small = folder.file("small.png");
    const unsigned char pixel[] = {1, 2, 3, 4};
    ASSERT_TRUE(writePng(small, 1, 1, pixel));
    EXPECT_FALSE(loadPicture(small, 4, 4, image));
    EXPECT_TRUE(log.saw({"small.png", "1 x 1", "4 x 4"}));

    EXPECT_FALSE(loadPicture("picture.bmp", 4, 4, image));
    EXPECT_TRUE(log.saw({"picture.bmp"}));
}

}  // namespace
}  // namespace nimbus
