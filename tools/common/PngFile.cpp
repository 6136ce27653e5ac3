#include "PngFile.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Image.h"
#include "core/Log.h"

namespace nimbus {

bool readPng(const std::string& path, int width, int height, Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        LOG_ERROR(path << ": " << png.message);
        return false;
    }
    if (static_cast<int>(png.width) != width || static_cast<int>(png.height) != height) {
        LOG_ERROR(path << ": the picture is " << png.width << " x " << png.height << " pixels, expected "
                       << width << " x " << height);
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
        LOG_ERROR(path << ": " << png.message);
        return false;
    }
    image = Image(width, height);
    const unsigned char* p = rgba.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, p += 4) {
            const float a = static_cast<float>(p[3]) / 255.0f;
            image.at(x, y) = {static_cast<float>(p[0]) / 255.0f * a, static_cast<float>(p[1]) / 255.0f * a,
                              static_cast<float>(p[2]) / 255.0f * a, a};
        }
    }
    return true;
}

bool writePng(const std::string& path, int width, int height, const unsigned char* rgba) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, rgba, 0, nullptr)) {
        LOG_ERROR(path << ": " << png.message);
        return false;
    }
    return true;
}

bool writeImagePng(const std::string& path, const Image& image) {
    std::vector<unsigned char> rgba;
    rgba.reserve(static_cast<size_t>(image.width()) * image.height() * 4);
    const auto byte = [](float v) {
        return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Pixel& p = image.at(x, y);
            const float a = p.a > 0.0f ? p.a : 1.0f;
            rgba.insert(rgba.end(), {byte(p.r / a), byte(p.g / a), byte(p.b / a), byte(p.a)});
        }
    }
    return writePng(path, image.width(), image.height(), rgba.data());
}

}  // namespace nimbus
