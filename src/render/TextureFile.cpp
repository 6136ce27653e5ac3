#include "render/TextureFile.h"

#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"

namespace nimbus {

namespace {
constexpr int32_t kHeaderSize = 32;
}  // namespace

int bytesPerPixel(int format) {
    switch (format) {
        case 0:
        case 1:
            return 4;
        case 2:
        case 3:
            return 3;
        case 4:
            return 1;
        default:
            return -1;
    }
}

int64_t mipChainBytes(const TextureHeader& header) {
    const int bpp = bytesPerPixel(header.format);
    if (bpp < 0 || header.width <= 0 || header.height <= 0 || header.mipCount <= 0) return -1;
    int64_t total = 0;
    int64_t w = header.width, h = header.height;
    for (int level = 0; level < header.mipCount; ++level) {
        // Each level halves both sides; a chain that runs past one pixel has no level to upload.
        if (w == 0 || h == 0) return -1;
        total += w * h * bpp;
        w /= 2;
        h /= 2;
    }
    return total;
}

bool readTextureFile(InBuffer& in, TextureHeader& header, std::vector<uint8_t>& pixels) {
    if (!requireBytes(in, kHeaderSize)) return false;
    in >> header.unused0 >> header.unused1 >> header.unused2 >> header.fileSize >> header.unused3 >>
        header.format >> header.width >> header.height >> header.unused4 >> header.unused5 >>
        header.mipCount >> header.unused6;
    // The size the file claims for itself must be there, whatever the pixels need.
    if (!requireBytes(in, static_cast<int64_t>(header.fileSize) - kHeaderSize)) return false;
    const int64_t chain = mipChainBytes(header);
    if (chain < 0) {
        LOG_ERROR(in.name() << " is not a valid texture: format " << header.format << ", " << header.width
                            << " x " << header.height << ", " << header.mipCount << " mip levels");
        return false;
    }
    if (chain > in.bytesLeft()) {
        LOG_ERROR(in.name() << " is not a valid texture: its mip chain needs " << chain << " bytes but only "
                            << in.bytesLeft() << " follow the header");
        return false;
    }
    pixels.resize(static_cast<size_t>(chain));
    return in.read(pixels.data(), static_cast<int32_t>(chain)) == chain;
}

bool writeTextureFile(OutBuffer& out, PixelFormat format, int width, int height, int mipCount,
                      const std::vector<uint8_t>& pixels) {
    TextureHeader header;
    header.format = static_cast<int16_t>(format);
    header.width = static_cast<int16_t>(width);
    header.height = static_cast<int16_t>(height);
    header.mipCount = static_cast<int16_t>(mipCount);
    const int64_t chain = mipChainBytes(header);
    if (chain < 0 || width > 32767 || height > 32767 || chain != static_cast<int64_t>(pixels.size()))
        return false;
    header.fileSize = static_cast<int32_t>(kHeaderSize + chain);
    const int32_t before = out.bytesWritten();
    out << header.unused0 << header.unused1 << header.unused2 << header.fileSize << header.unused3
        << header.format << header.width << header.height << header.unused4 << header.unused5
        << header.mipCount << header.unused6;
    out.write(pixels.data(), static_cast<int32_t>(pixels.size()));
    return out.bytesWritten() - before == header.fileSize;
}

}  // namespace nimbus
