#pragma once

#include <string>

namespace nimbus {

class Core;

// Loads what the game scene and the menu backdrop draw with from a built data
// directory, the way the game starts up: every effect, texture and model of the game's
// folders in its order (so a theme's file replaces Common's), the tile batch built from
// "Meshes/Brick" as "Meshes/Tile", and the font "Fonts/Alba". Everything is registered in
// the process-wide resource manager, which must exist. False, with the reason logged,
// when something is missing or damaged.
bool loadSceneData(Core& core, const std::string& dataDirectory);

}  // namespace nimbus
