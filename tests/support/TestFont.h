#pragma once

#include "render/font/BitmapFont.h"

namespace nimbus {

// A font of every printable character, each glyph 0.5 wide and 1 high with an advance of
// 0.6 and its character code as its left texture coordinate (so the text of drawn quads
// reads back), on textures that hold no pixels, with a glow twin or without.
BitmapFont* newTestFont(bool withGlow = true);

// Registers the test font as "Fonts/Alba", the name the game's documents use.
void registerTestFont();

}  // namespace nimbus
