#pragma once

#include "render/font/BitmapFont.h"

namespace nimbus {

// Every printable character 0.5 wide, 1 high, advance 0.6, its code as its left texture
// coordinate (so drawn text reads back), on textures without pixels, with or without glow.
BitmapFont* newTestFont(bool withGlow = true);

// Registers the test font as "Fonts/Alba", the name the game's documents use.
void registerTestFont();

}  // namespace nimbus
