#include "game/scene/Backdrop.h"

#include "render/ScreenspaceRenderer.h"

namespace nimbus {

void drawBackdrop(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& texture, float aspect,
                  const float (&uv)[4][2], float brightness) {
    const float corners[4][2] = {{-aspect, -1.0f}, {aspect, -1.0f}, {aspect, 1.0f}, {-aspect, 1.0f}};
    ScreenQuad quad;
    for (int i = 0; i < 4; ++i) {
        const float shade = (i < 2 ? 0.75f : 0.25f) * brightness;
        quad.corners[i] = {corners[i][0], corners[i][1], uv[i][0], uv[i][1], shade, shade, shade, 1.0f};
    }
    renderer.addBackdrop(quad, texture);
    renderer.flush();
}

}  // namespace nimbus
