#pragma once

#include <cstdint>

#include "core/math/Vector2.h"

namespace nimbus {

class Window;

// What the layout editor draws over the GUI, straight through OpenGL in GUI coordinates:
// the snapping grid and, around the selected window, its outline, an L-shaped handle at
// each corner and a disc at the centre. The handles carry their numbers as GL selection
// names, so the same drawing serves both the screen and picking.
enum EditorHandle : int32_t {
    kNoHandle = 0,
    kCentreHandle = 1,
    kLeftBottomHandle = 2,
    kRightBottomHandle = 3,
    kRightTopHandle = 4,
    kLeftTopHandle = 5,
};

// The grid and, when a window is selected, its handles. Leaves the GL state as found.
void drawEditorOverlay(float aspect, float grid, const Window* selected);

// The handle of the window within one grid step of the point, picked with GL selection;
// kNoHandle when there is none.
int32_t pickEditorHandle(const Window& selected, const Vector2& point, float grid);

}  // namespace nimbus
