#include "ArtFiles.h"

#include "core/Log.h"
#include "core/posix/FileInBuffer.h"
#include "render/TextureFile.h"

namespace nimbus {

namespace {

Pixel toPixel(const uint8_t* p, int format) {
    const auto f = [](uint8_t b) { return static_cast<float>(b) / 255.0f; };
    switch (static_cast<PixelFormat>(format)) {
        case PixelFormat::RGBA:
            return {f(p[0]) * f(p[3]), f(p[1]) * f(p[3]), f(p[2]) * f(p[3]), f(p[3])};
        case PixelFormat::BGRA:
            return {f(p[2]) * f(p[3]), f(p[1]) * f(p[3]), f(p[0]) * f(p[3]), f(p[3])};
        case PixelFormat::RGB:
            return {f(p[0]), f(p[1]), f(p[2]), 1.0f};
        case PixelFormat::BGR:
            return {f(p[2]), f(p[1]), f(p[0]), 1.0f};
        case PixelFormat::Alpha:
            return {f(p[0]), f(p[0]), f(p[0]), f(p[0])};
    }
    return {};
}

}  // namespace

bool readTextureImage(const std::string& path, Image& image) {
    FileInBuffer in;
    if (!in.open(path)) {
        LOG_ERROR(path << ": cannot be opened");
        return false;
    }
    TextureHeader header;
    std::vector<uint8_t> pixels;
    if (!readTextureFile(in, header, pixels)) return false;
    const int bpp = bytesPerPixel(header.format);
    image = Image(header.width, header.height);
    const uint8_t* p = pixels.data();
    for (int y = 0; y < header.height; ++y) {
        for (int x = 0; x < header.width; ++x, p += bpp) image.at(x, y) = toPixel(p, header.format);
    }
    return true;
}

bool readModel(const std::string& path, std::vector<ModelMeshData>& meshes) {
    FileInBuffer in;
    if (!in.open(path)) {
        LOG_ERROR(path << ": cannot be opened");
        return false;
    }
    return readModelData(in, meshes);
}

}  // namespace nimbus
