#pragma once

#include <string>

namespace nimbus {

class Image;

// Reads a PNG file of exactly width × height pixels. False, with the file named, when it
// cannot be read or has another size.
bool readPng(const std::string& path, int width, int height, Image& image);

// Writes 8-bit RGBA rows (top first, not premultiplied) as a PNG file; no time stamp
// or other varying chunk is written, so the same pixels give the same bytes. False,
// with the file named, on failure.
bool writePng(const std::string& path, int width, int height, const unsigned char* rgba);

// Writes a picture as a PNG file; false, with the file named, on failure.
bool writeImagePng(const std::string& path, const Image& image);

}  // namespace nimbus
