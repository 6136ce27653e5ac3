#pragma once

#include <cstdint>
#include <vector>

namespace nimbus {

class InBuffer;
class OutBuffer;

enum class PixelFormat : int16_t { RGBA = 0, BGRA = 1, RGB = 2, BGR = 3, Alpha = 4 };

// The 32-byte header of a ".texture" file, followed directly by the pixel data: the mip
// levels from level 0, rows back to back, each level half the size of the one before.
struct TextureHeader {
    int32_t unused0 = 0;
    int32_t unused1 = 0;
    int32_t unused2 = 0;
    int32_t fileSize = 0;  // including this header
    int16_t unused3 = 0;
    int16_t format = 0;  // a PixelFormat
    int16_t width = 0;
    int16_t height = 0;
    int16_t unused4 = 0;
    int16_t unused5 = 0;
    int16_t mipCount = 0;
    int16_t unused6 = 0;
};

// Bytes per pixel of a format, or -1 for a value outside 0 to 4.
int bytesPerPixel(int format);

// The bytes of the whole mip chain the header describes; -1 when the header is
// invalid (unknown format, a size or mip count that is not positive, a level 0 pixels
// wide or high).
int64_t mipChainBytes(const TextureHeader& header);

// Reads a header and its pixel data. A header that is damaged (unknown format, a
// size or mip count that is not positive, a mip chain larger than the data) is refused
// with one error naming the buffer, and nothing is allocated for it.
bool readTextureFile(InBuffer& in, TextureHeader& header, std::vector<uint8_t>& pixels);

// Writes a header and the given mip chain; false when the pixels do not match the
// header or the sink refuses bytes.
bool writeTextureFile(OutBuffer& out, PixelFormat format, int width, int height, int mipCount,
                      const std::vector<uint8_t>& pixels);

}  // namespace nimbus
