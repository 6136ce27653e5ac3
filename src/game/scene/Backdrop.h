#pragma once

#include "core/ResourceHandle.h"
#include "render/Texture.h"

namespace nimbus {

class ScreenspaceRenderer;

// A full-view textured quad behind everything, light at the bottom and dark at the top,
// drawn at once (the renderer is flushed) so that what follows lies over it. It is drawn
// after the 3-D scene and fills only what the scene leaves open. `uv` gives
// the texture coordinates of the corners in the order lower left, lower right, upper
// right, upper left; `brightness` scales the gradient (the game dims it while paused).
void drawBackdrop(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& texture, float aspect,
                  const float (&uv)[4][2], float brightness);

}  // namespace nimbus
