#pragma once

namespace nimbus {

// The pixel of the game's window (column from the left, row from the top) under a GUI
// point, the inverse of the GUI's own conversion (Gui::screenToGui), for clicking on and
// reading back what the window shows.
int windowPixelX(float x);
int windowPixelY(float y);

}  // namespace nimbus
