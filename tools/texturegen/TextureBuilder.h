#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"
#include "render/TextureFile.h"

namespace nimbus {

// Turns a picture into the bytes of a ".texture" file: the whole mip chain down to the
// level whose smaller side is one pixel, each level the box-filtered half of the one
// before, stored in one of the file's pixel formats. Sizes must be powers of two, so
// that every level halves exactly and tileable pictures stay tileable at every level.
class TextureBuilder {
public:
    // The levels from the full-size picture down; empty when a side is not a power of two.
    static std::vector<Image> mipChain(const Image& picture);
    // The levels' pixels in the format, one byte per channel, colour no longer
    // premultiplied. RGB stores the colour as if over black; Alpha keeps the alpha only.
    static std::vector<uint8_t> pack(const std::vector<Image>& levels, PixelFormat format);
    // Writes the picture's mip chain, or with `mips` false the picture alone, as a
    // ".texture" file, replacing the file only when everything was written. False, with
    // the file named, on any failure.
    static bool write(const std::string& path, const Image& picture, PixelFormat format, bool mips = true);
};

// True when the value is a positive power of two.
bool isPowerOfTwo(int value);

}  // namespace nimbus
