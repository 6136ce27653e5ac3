#pragma once

namespace nimbus {

class WindowFactory;

// Registers the game's own window classes, "game", "highscore", "background" and
// "level_plan", from one table; the GUI document can use them once this has run. False
// when a name was taken already.
bool registerGameWindows(WindowFactory& factory);

}  // namespace nimbus
