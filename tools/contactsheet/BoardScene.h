#pragma once

#include <string>

namespace nimbus {

class ContactSheet;

// Draws a corner of a board in the next cell of the sheet as the game composes it: a
// 3 x 3 patch of tiles in several colours with one visited, the die on the middle
// tile, arrows towards the tiles it may roll onto and a pick-up, all with the theme's
// files where it has them and Common's otherwise. `theme` is the theme's folder in the
// data. False, with the file named, when a file is missing or damaged.
bool drawBoardScene(ContactSheet& sheet, const std::string& dataDir, const std::string& theme);

}  // namespace nimbus
