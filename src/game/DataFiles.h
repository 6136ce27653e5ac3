#pragma once

#include <string>

#include "sound/SoundStartup.h"

namespace nimbus {

class Core;
class InArchive;

// What the game scene, the menus and the backdrop draw with, loaded from the archive
// on a built data directory ("Data" for the game, the build's own for the tools and
// tests), and where its sound is. The same loading serves the game's start-up, the
// screen gallery, the scene's and the sound's tests and benchmarks, so they all draw
// and play exactly what the player sees and hears.
//
// loadDataFiles reads every effect, texture and model of the game's folders in a fixed
// order, so that a theme's file replaces Common's of the same name; it registers them
// in the process-wide resource manager, which must exist. It stops at the first file
// that does not load, with one error line naming it, and returns false.
bool loadDataFiles(InArchive& archive, Core& core);

// Builds the tile batches "Meshes/Tile", "Meshes/Tile_coarse" and "Meshes/Tile_closed"
// from the loaded "Meshes/Brick", "Meshes/Brick_coarse" and "Meshes/Brick_closed"; false
// (logged) when a brick is missing or a batch cannot be built.
bool buildTileBatch(Core& core);

// The files of the game's sound in the data folder `dataDirectory`: the effects as an
// archive on that folder names them, the musics below it (below the working directory
// when `dataDirectory` is empty).
SoundFiles soundFiles(const std::string& dataDirectory);

}  // namespace nimbus
