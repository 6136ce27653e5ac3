#pragma once

#include <cstdint>

// Reading back what landed under a point of the game's 4:3 GUI view (x from -4/3 to
// 4/3, y from -1 to 1) in a window of the given size, for the tests of everything drawn
// through the screen-space renderer or under the GUI.

// The window pixel under the GUI point.
void guiPointToPixel(float x, float y, int width, int height, int& px, int& py);

// The colour of the frame buffer under the GUI point, as 0xRRGGBBAA.
uint32_t guiPixelColor(float x, float y, int width, int height);
