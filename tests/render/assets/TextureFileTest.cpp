#include <gtest/gtest.h>

#include <cstring>

#include "../support/LogCapture.h"
#include "NamedInput.h"
#include "core/VectorOutBuffer.h"
#include "render/TextureFile.h"

using namespace nimbus;

namespace {

std::vector<unsigned char> textureFile(PixelFormat format, int width, int height, int mips) {
    TextureHeader h;
    h.format = static_cast<int16_t>(format);
    h.width = static_cast<int16_t>(width);
    h.height = static_cast<int16_t>(height);
    h.mipCount = static_cast<int16_t>(mips);
    std::vector<uint8_t> pixels(static_cast<size_t>(mipChainBytes(h)));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
    VectorOutBuffer out;
    EXPECT_TRUE(writeTextureFile(out, format, width, height, mips, pixels));
    return out.bytes();
}

// Header fields by their byte offsets in the file.
void poke16(std::vector<unsigned char>& file, size_t offset, int16_t value) {
    std::memcpy(file.data() + offset, &value, 2);
}
void poke32(std::vector<unsigned char>& file, size_t offset, int32_t value) {
    std::memcpy(file.data() + offset, &value, 4);
}

}  // namespace

TEST(TextureFile, WrittenFilesReadBackWithTheirWholeMipChain) {
    // 5 x 3 RGB in levels of 5 x 3 and 2 x 1 pixels.
    const auto file = textureFile(PixelFormat::RGB, 5, 3, 2);
    EXPECT_EQ(file.size(), 32u + 5 * 3 * 3 + 2 * 1 * 3);
    int32_t fileSize = 0;
    std::memcpy(&fileSize, file.data() + 12, 4);
    EXPECT_EQ(fileSize, static_cast<int32_t>(file.size()));
    int16_t format = 0, width = 0, mips = 0;
    std::memcpy(&format, file.data() + 18, 2);
    std::memcpy(&width, file.data() + 20, 2);
    std::memcpy(&mips, file.data() + 28, 2);
    EXPECT_EQ(format, 2);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(mips, 2);

    NamedInput in("wood.texture", file);
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    EXPECT_EQ(header.height, 3);
    EXPECT_EQ(pixels, std::vector<uint8_t>(file.begin() + 32, file.end()));

    VectorOutBuffer out;
    EXPECT_FALSE(writeTextureFile(out, PixelFormat::RGBA, 2, 2, 1, std::vector<uint8_t>(15)));
    EXPECT_EQ(out.bytesWritten(), 0);
}

TEST(TextureFile, DamagedHeadersAreRefusedByNameWithoutAllocating) {
    struct Damage {
        const char* what;
        size_t offset;
        int16_t value;
    };
    const Damage damages[] = {
        {"format 5", 18, 5},   {"format -1", 18, -1}, {"width 0", 20, 0},      {"height -4", 22, -4},
        {"no mips", 28, 0},    {"negative mips", 28, -3},
        // The pixels are for 4 x 4 in three levels; a fourth would be 0 x 0.
        {"larger than the data", 20, 8},
        {"a level of no pixels", 28, 4},
        // 32767 x 32767 RGBA would be 4 GiB.
        {"huge", 20, 32767},
    };
    for (const Damage& d : damages) {
        auto file = textureFile(PixelFormat::RGBA, 4, 4, 3);
        poke16(file, d.offset, d.value);
        if (std::string(d.what) == "huge") poke16(file, 22, 32767);
        NamedInput in("Themes/Common/wood.texture", file);
        TextureHeader header;
        std::vector<uint8_t> pixels;
        LogCapture log;
        EXPECT_FALSE(readTextureFile(in, header, pixels)) << d.what;
        EXPECT_EQ(log.lines().size(), 1u) << d.what;
        EXPECT_TRUE(log.saw({"Themes/Common/wood.texture"})) << d.what << ": " << log.all();
        EXPECT_EQ(pixels.capacity(), 0u) << d.what;
    }
}

TEST(TextureFile, AFileShorterThanItsHeaderSaysIsRefused) {
    auto file = textureFile(PixelFormat::Alpha, 4, 4, 1);
    poke32(file, 12, static_cast<int32_t>(file.size()) + 10);
    NamedInput in("glow.texture", file);
    TextureHeader header;
    std::vector<uint8_t> pixels;
    LogCapture log;
    EXPECT_FALSE(readTextureFile(in, header, pixels));
    EXPECT_TRUE(log.saw({"Not enough bytes left in input buffer glow.texture, expected 26 but there's only 16 left."}))
        << log.all();

    file.resize(20);
    NamedInput cut("cut.texture", file);
    EXPECT_FALSE(readTextureFile(cut, header, pixels));
    EXPECT_TRUE(log.saw({"cut.texture"}));
}
