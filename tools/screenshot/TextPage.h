#pragma once

namespace nimbus {

class Core;

// Loads the screen-space effect and the font "Alba" from the data directory and draws a
// page of text with it over a calm backdrop: a title, the whole printable character set,
// and the kinds of line the game shows, each with its glow layer. False, with the file
// named, when something does not load.
bool drawTextPage(Core& core, const char* dataDirectory);

}  // namespace nimbus
