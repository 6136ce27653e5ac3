// The ".texture" file, read as the texture loader reads it, then walked as the upload
// walks it: level after level from the front of the pixels, each level's rows back to
// back, which must stay inside what was read.
#include <vector>

#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "render/TextureFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    MemoryInBuffer in(data, data + size);
    TextureHeader header;
    std::vector<uint8_t> pixels;
    if (!readTextureFile(in, header, pixels)) return 0;
    const int bpp = bytesPerPixel(header.format);
    fuzzCheck(bpp > 0 && header.width > 0 && header.height > 0 && header.mipCount > 0,
              "an accepted header has no format, size or level");
    size_t at = 0;
    int64_t width = header.width, height = header.height;
    for (int level = 0; level < header.mipCount; ++level) {
        const auto bytes = static_cast<size_t>(width * height * bpp);
        fuzzCheck(at + bytes <= pixels.size(), "a mip level reaches past the pixels read");
        touch(pixels.data() + at, bytes);
        at += bytes;
        width /= 2;
        height /= 2;
    }
    return 0;
}
