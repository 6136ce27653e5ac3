#pragma once

namespace nimbus {

struct Vector2;

// Lets 3-D drawing reach only the part of the screen right of and above a window's
// lower-left corner (GUI coordinates of the 4:3 view), as the current viewport shows
// it: a window that slides in from the bottom or the left is cut at its edge, and the
// rest of the screen is left open. A corner on the view's edge opens the band beyond it
// too (ViewFit). Leaves the scissor test on; the caller turns it off.
void scissorFromCorner(const Vector2& lowerLeft);

}  // namespace nimbus
