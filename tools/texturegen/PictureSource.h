#pragma once

#include <string>

namespace nimbus {

class Image;

// Turns a source picture into pixels. SVG files are rasterised to the requested size
// (the drawing's view box fills it); PNG files must already have that size. Any failure
// (a missing file, a parse error, a size mismatch, an unknown extension) is reported with
// the file's name, and the parser's line where it gives one, and returns false.
bool loadPicture(const std::string& path, int width, int height, Image& image);

// Rasterises an SVG document to width × height pixels.
bool rasteriseSvg(const std::string& path, int width, int height, Image& image);

}  // namespace nimbus
