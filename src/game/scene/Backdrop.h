#pragma once

#include "core/ResourceHandle.h"
#include "render/Texture.h"

namespace nimbus {

class ScreenspaceRenderer;

// A textured quad behind everything, light at the bottom and dark at the top, drawn at
// once (the renderer is flushed) so that what follows lies over it. It is drawn after the
// 3-D scene and fills only what the scene leaves open. It covers the view of half-width
// `aspect` and, in a full screen of another shape, the bands beside or above it, with
// texture and gradient carried on. `uv` gives the texture coordinates of the view's
// corners in the order lower left, lower right, upper right, upper left; `brightness`
// scales the gradient (the game dims it while paused).
void drawBackdrop(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& texture, float aspect,
                  const float (&uv)[4][2], float brightness);

}  // namespace nimbus
