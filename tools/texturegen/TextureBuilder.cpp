#include "TextureBuilder.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "core/Log.h"
#include "core/posix/FileOutBuffer.h"

namespace nimbus {

namespace {

uint8_t toByte(float value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

float unpremultiplied(float channel, float alpha) { return alpha > 0.0f ? channel / alpha : 0.0f; }

void packPixel(const Pixel& p, PixelFormat format, std::vector<uint8_t>& out) {
    switch (format) {
        case PixelFormat::RGBA:
            out.insert(out.end(), {toByte(unpremultiplied(p.r, p.a)), toByte(unpremultiplied(p.g, p.a)),
                                   toByte(unpremultiplied(p.b, p.a)), toByte(p.a)});
            break;
        case PixelFormat::BGRA:
            out.insert(out.end(), {toByte(unpremultiplied(p.b, p.a)), toByte(unpremultiplied(p.g, p.a)),
                                   toByte(unpremultiplied(p.r, p.a)), toByte(p.a)});
            break;
        case PixelFormat::RGB:
            out.insert(out.end(), {toByte(p.r), toByte(p.g), toByte(p.b)});
            break;
        case PixelFormat::BGR:
            out.insert(out.end(), {toByte(p.b), toByte(p.g), toByte(p.r)});
            break;
        case PixelFormat::Alpha:
            out.push_back(toByte(p.a));
            break;
    }
}

}  // namespace

bool isPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

std::vector<Image> TextureBuilder::mipChain(const Image& picture) {
    std::vector<Image> levels;
    if (!isPowerOfTwo(picture.width()) || !isPowerOfTwo(picture.height())) return levels;
    levels.push_back(picture);
    while (levels.back().width() > 1 && levels.back().height() > 1) levels.push_back(levels.back().halved());
    return levels;
}

std::vector<uint8_t> TextureBuilder::pack(const std::vector<Image>& levels, PixelFormat format) {
    std::vector<uint8_t> out;
    for (const Image& level : levels) {
        for (int y = 0; y < level.height(); ++y) {
            for (int x = 0; x < level.width(); ++x) packPixel(level.at(x, y), format, out);
        }
    }
    return out;
}

bool TextureBuilder::write(const std::string& path, const Image& picture, PixelFormat format, bool mips) {
    std::vector<Image> levels = mipChain(picture);
    if (!mips) levels.resize(std::min<size_t>(levels.size(), 1));
    if (levels.empty()) {
        LOG_ERROR(path << ": " << picture.width() << " x " << picture.height()
                       << " is not a size of powers of two, which every mip level needs");
        return false;
    }
    FileOutBuffer out;
    if (!out.open(path)) {
        LOG_ERROR(path << ": cannot be created - " << systemErrorString(errno));
        return false;
    }
    const bool written = writeTextureFile(out, format, picture.width(), picture.height(),
                                          static_cast<int>(levels.size()), pack(levels, format));
    if (!out.close() || !written) {
        LOG_ERROR(path << ": could not be written");
        return false;
    }
    return true;
}

}  // namespace nimbus
