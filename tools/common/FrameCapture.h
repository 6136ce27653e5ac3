#pragma once

namespace nimbus {

// Writes what has been drawn into the current GL frame buffer (width × height pixels,
// read before the frame is presented) as an opaque PNG, top row first; in `greyscale`
// each pixel becomes its luminance, as a player who sees no colour would see it. False,
// with the file named, when it cannot be written.
bool writeFramePng(const char* path, int width, int height, bool greyscale = false);

}  // namespace nimbus
