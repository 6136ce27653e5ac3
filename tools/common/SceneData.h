#pragma once

#include <string>

namespace nimbus {

class Core;

// Loads what the game scene and the menu backdrop draw with from a built data
// directory through the game's own start-up loading (loadDataFiles, buildTileBatch),
// plus the default font (kDefaultFontResource), which the game gets from its GUI
// document. Everything is registered in the process-wide resource manager, which must
// exist; loading again replaces what was loaded before. False, with the reason logged,
// when something is missing or damaged.
bool loadSceneData(Core& core, const std::string& dataDirectory);

}  // namespace nimbus
