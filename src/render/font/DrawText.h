#pragma once

#include <cstdint>

#include "core/ResourceHandle.h"
#include "core/math/Vector2.h"
#include "render/Texture.h"

namespace nimbus {

class ScreenspaceRenderer;
struct Color;
struct ScreenQuad;

// How laid-out text sits on its anchor point. The modes are the numbers the GUI
// document uses: horizontally 1 centre, 3 right, anything else left; vertically 0
// centre, anything else the baseline on the anchor.
struct TextAlignment {
    static constexpr int32_t kCentre = 1;
    static constexpr int32_t kLeft = 2;
    static constexpr int32_t kRight = 3;
    static constexpr int32_t kMiddle = 0;
    static constexpr int32_t kBaseline = 1;

    int32_t horizontal = kLeft;
    int32_t vertical = kBaseline;
};

// Moves glyph quads laid out at the origin onto the anchor as the alignment says and
// adds them to the renderer with the texture and glow flag. The text's extent is taken
// from the first quad's first corner to the last quad's third. A colour, when given,
// replaces the colour of every corner; otherwise the quads keep their own. Nothing
// happens for no quads.
// The extent drawText aligns: from the first quad's first corner to the last quad's
// third along x; 0 for no quads.
float textExtent(int32_t count, const ScreenQuad* quads);

// Shrinks a line laid out at the origin, when its extent is wider than `width`, about the
// origin on its baseline until it is that wide; a line that fits is left as it is.
void fitToWidth(int32_t count, ScreenQuad* quads, float width);

void drawText(int32_t count, const TextAlignment& alignment, const Vector2& anchor, const ScreenQuad* quads,
              const ResourceHandle<Texture>& texture, ScreenspaceRenderer& renderer, bool glow,
              const Color* color);

}  // namespace nimbus
