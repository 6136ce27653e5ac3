#include <gtest/gtest.h>

#include <vector>

#include "TextureOptions.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

bool parse(std::vector<const char*> args, TextureOptions& options) {
    return options.parse(static_cast<int>(args.size()), args.data());
}

TEST(TextureOptions, ReadsSourceOutputSizeFormatAndGlowInAnyOrder) {
    TextureOptions o;
    ASSERT_TRUE(
        parse({"--format", "alpha", "in.svg", "--glow", "4", "2.5", "out.texture", "--size", "512x64"}, o));
    EXPECT_EQ(o.source, "in.svg");
    EXPECT_EQ(o.output, "out.texture");
    EXPECT_EQ(o.width, 512);
    EXPECT_EQ(o.height, 64);
    EXPECT_EQ(o.format, PixelFormat::Alpha);
    EXPECT_TRUE(o.glow);
    EXPECT_FLOAT_EQ(o.glowRadius, 4.0f);
    EXPECT_FLOAT_EQ(o.glowStrength, 2.5f);
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

}  // namespace
}  // namespace nimbus
