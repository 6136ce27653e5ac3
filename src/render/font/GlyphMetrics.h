#pragma once

namespace nimbus {

// Where one glyph sits, in units of the font's glyph size (a glyph of the nominal size is
// 1 high), measured from the pen position on the baseline; and where it lies in the
// atlas, in texture coordinates whose v grows downwards (vBottom > vTop).
struct GlyphMetrics {
    float left = 0.0f;
    float bottom = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float uLeft = 0.0f;
    float vBottom = 0.0f;
    float uRight = 0.0f;
    float vTop = 0.0f;
    // How far the pen moves on after this glyph.
    float advance = 0.0f;
};

}  // namespace nimbus
