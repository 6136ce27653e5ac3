#pragma once

#include <string>

#include "Renderer.h"

namespace nimbus {

// Stores a rendered sound; false (with an error line naming the file) when the file
// cannot be written. Both write the same bytes for the same sound.

// 16-bit PCM WAV, as the game's effect files are.
bool writeWav(const RenderedSound& sound, const std::string& path);
// Ogg Vorbis at the given quality (-0.1 .. 1), as the game's music files are.
bool writeVorbis(const RenderedSound& sound, double quality, const std::string& path);

}  // namespace nimbus
