#include <gtest/gtest.h>

#include <cstring>

#include "core/VectorOutBuffer.h"
#include "render/TextureFile.h"
#include "support/LogCapture.h"
#include "support/NamedInput.h"

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

// A header field by its byte offset in the file.
template <typename Field>
Field& field(std::vector<unsigned char>& file, size_t offset) {
    return *reinterpret_cast<Field*>(file.data() + offset);
}

// The file's name is in the one line of the refusal, and nothing is allocated.
void expectRefused(const std::vector<unsigned char>& file, const char* what, const char* message = "") {
    NamedInput in("Themes/Common/wood.texture", file);
    TextureHeader header;
    std::vector<uint8_t> pixels;
    LogCapture log;
    EXPECT_FALSE(readTextureFile(in, header, pixels)) << what;
    EXPECT_EQ(log.lines().size(), 1u) << what;
    EXPECT_TRUE(log.saw({"Themes/Common/wood.texture", message})) << what << ": " << log.all();
    EXPECT_EQ(pixels.capacity(), 0u) << what;
}

TEST(TextureFile, WrittenFilesReadBackWithTheirWholeMipChain) {
    // 5 x 3 RGB in levels of 5 x 3 and 2 x 1 pixels.
    auto file = textureFile(PixelFormat::RGB, 5, 3, 2);
    EXPECT_EQ(file.size(), 32u + 5 * 3 * 3 + 2 * 1 * 3);
    EXPECT_EQ((std::vector<int>{field<int32_t>(file, 12), field<int16_t>(file, 18), field<int16_t>(file, 20),
                                field<int16_t>(file, 28)}),
              (std::vector<int>{static_cast<int>(file.size()), 2, 5, 2}));
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

TEST(TextureFile, DamagedOrShortFilesAreRefusedByNameWithoutAllocating) {
    // What is wrong, and the header field and value that make it so.
    const std::tuple<const char*, size_t, int16_t> damages[] = {
        {"format 5", 18, 5},
        {"width 0", 20, 0},
        {"height -4", 22, -4},
        {"no mips", 28, 0},
        {"larger than the data", 20, 8},
        // The pixels are for 4 x 4 in three levels; a fourth would be 0 x 0.
        {"a level of no pixels", 28, 4},
    };
    for (const auto& [what, offset, value] : damages) {
        auto file = textureFile(PixelFormat::RGBA, 4, 4, 3);
        field<int16_t>(file, offset) = value;
        expectRefused(file, what);
    }
    auto huge = textureFile(PixelFormat::RGBA, 4, 4, 3);
    field<int16_t>(huge, 20) = field<int16_t>(huge, 22) = 32767;  // 4 GiB of RGBA
    expectRefused(huge, "huge");
    auto cut = textureFile(PixelFormat::Alpha, 4, 4, 1);
    cut.resize(20);
    expectRefused(cut, "cut in the header");

    auto longer = textureFile(PixelFormat::Alpha, 4, 4, 1);
    field<int32_t>(longer, 12) += 10;
    expectRefused(
        longer, "longer than its data",
        "Not enough bytes left in input buffer Themes/Common/wood.texture, expected 26 but there's only "
        "16 left.");
}

}  // namespace
