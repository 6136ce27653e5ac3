#pragma once

namespace nimbus {

class Core;

// Loads the scene's data (SceneData.h) from the data directory and draws a page of text
// in the default font over a calm backdrop: a title, the whole printable character set,
// and the kinds of line the game shows, each with its glow layer. False, with the file
// named, when something does not load.
bool drawTextPage(Core& core, const char* dataDirectory);

}  // namespace nimbus
