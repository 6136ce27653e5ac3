#pragma once

#include <string>

namespace nimbus {

class Application;

// Walks the running game through every screen a player meets, as a player would (mouse
// and keys pushed onto the windowing library's queue, frames of a fixed step) and
// writes a picture of each into the output folder: the front end, the name typed in, the
// high-score table, the options, the Keys screen (a key refused, a key bound), the
// layout editor, levels 01, 06 and 20 in play along their solutions, a paused level, the
// level-complete panel, the Levels screen on a later page and the first, a level's number
// and title as it begins, a practice's level-complete panel with the level's bests, the
// game-over screen and the table with the new entry. The application must have started
// up. False, with the picture named, when a picture cannot be written.
bool tourScreens(Application& application, const std::string& levelSources, const std::string& outputFolder);

}  // namespace nimbus
