#include "PictureSource.h"

#include <cstring>

#include "PngFile.h"
#include "core/Log.h"

namespace nimbus {

namespace {

struct PictureReader {
    const char* extension;
    bool (*read)(const std::string& path, int width, int height, Image& image);
};

const PictureReader kReaders[] = {
    {".svg", rasteriseSvg},
    {".png", readPng},
};

bool endsWith(const std::string& text, const char* suffix) {
    const size_t n = std::strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

}  // namespace

bool loadPicture(const std::string& path, int width, int height, Image& image) {
    for (const PictureReader& reader : kReaders) {
        if (endsWith(path, reader.extension)) return reader.read(path, width, height, image);
    }
    LOG_ERROR(path << ": not a picture this tool reads (use .svg or .png)");
    return false;
}

}  // namespace nimbus
