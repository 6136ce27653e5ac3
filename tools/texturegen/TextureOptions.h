#pragma once

#include <string>

#include "render/TextureFile.h"

namespace nimbus {

// What one run of the texture tool makes, from its command line:
//   nimbus_texturegen SOURCE OUTPUT --size WxH --format rgba|bgra|rgb|bgr|alpha
//                     [--glow RADIUS STRENGTH] [--no-mips] [--paint SHAPE_FILE] [--png]
// `--glow` makes the output the glow twin of the source (see makeGlow); `--no-mips` keeps
// the full-size picture alone, for one never drawn at much below its size, which then
// costs a software renderer one lookup a pixel rather than two; `--paint` paints the
// parts the shape file marks painted into the picture (see paintParts); `--png` writes the
// picture as a PNG file instead of a texture (the desktop icons), its format unused.
struct TextureOptions {
    std::string source;
    std::string output;
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::RGBA;
    bool glow = false;
    float glowRadius = 0.0f;
    float glowStrength = 1.0f;
    bool mips = true;
    std::string paintFrom;  // a shape file, or empty
    bool png = false;

    // Reads the arguments after the program name; false, with the reason reported,
    // when one is unknown, malformed or missing.
    bool parse(int argc, const char* const* argv);
};

}  // namespace nimbus
