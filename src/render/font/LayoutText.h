#pragma once

#include <cstdint>

namespace nimbus {

class BitmapFont;
struct ScreenQuad;

// Lays the first `maxCharacters` characters of the UTF-8 text out as glyph quads along a
// baseline through the origin, glyphs `size` high, sheared right by `slant` times each
// corner's height. Corners go lower left, lower right, upper right, upper left; only
// positions and texture coordinates are written. Characters without a glyph are skipped
// and do not move the pen; a byte that is no part of a well-formed character counts as
// one, looked up as a signed 8-bit code. `quads` must hold min(characters,
// maxCharacters) quads; returns how many were written.
int32_t layoutText(const BitmapFont& font, ScreenQuad* quads, int32_t maxCharacters, const char* text,
                   float size, float slant);

}  // namespace nimbus
