#pragma once

#include <cstdint>

namespace nimbus {

class BitmapFont;
struct ScreenQuad;

// Lays the first `maxCharacters` bytes of the text out as glyph quads along a baseline
// through the origin, glyphs `size` high, sheared right by `slant` times each corner's
// height. Corners go lower left, lower right, upper right, upper left; only positions
// and texture coordinates are written. Characters without a glyph are skipped and do not
// move the pen. `quads` must hold min(length, maxCharacters) quads; returns how many
// were written.
int32_t layoutText(const BitmapFont& font, ScreenQuad* quads, int32_t maxCharacters, const char* text,
                   float size, float slant);

}  // namespace nimbus
