#pragma once

#include "core/math/Vector2.h"

namespace nimbus {

class FloatingTextList;
class ScreenspaceRenderer;
struct Camera;
struct FloatingText;

// Where a floating text hangs on screen now: its scene point through the camera, in GUI
// units of the 4:3 view, moved by its drift times its age. False for a point at or
// behind the camera's eye, which has no place on screen.
bool floatingTextAnchor(const FloatingText& text, const Camera& camera, Vector2& anchor);

// Draws every text of the list centred on its anchor in its own faded white, then every
// text again as the font's glow, purple at the same fade, so the glow lies over all the
// texts at once. A font without a glow texture draws no glow layer.
void drawFloatingTexts(const FloatingTextList& list, const Camera& camera, ScreenspaceRenderer& renderer);

}  // namespace nimbus
