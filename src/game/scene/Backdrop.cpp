#include "game/scene/Backdrop.h"

#include "render/Core.h"
#include "render/ScreenspaceRenderer.h"
#include "render/ViewFit.h"

namespace nimbus {

void drawBackdrop(ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& texture, float aspect,
                  const float (&uv)[4][2], float brightness) {
    // The quad covers the whole window, which a full screen of another shape makes wider
    // or taller than the view; texture and gradient run on past the view's corners.
    int32_t width = 0, height = 0;
    core()->getSize(width, height);
    Vector2 min, max;
    ViewFit(width, height).windowExtent({-aspect, -1.0f}, {aspect, 1.0f}, min, max);
    const float corners[4][2] = {{min.x, min.y}, {max.x, min.y}, {max.x, max.y}, {min.x, max.y}};
    ScreenQuad quad;
    for (int i = 0; i < 4; ++i) {
        // Where the corner lies across the view, 0 at its left or bottom edge, 1 at the other.
        const float s = (corners[i][0] + aspect) / (2.0f * aspect);
        const float t = (corners[i][1] + 1.0f) * 0.5f;
        float at[2];
        for (int k = 0; k < 2; ++k) {
            at[k] = (uv[0][k] * (1.0f - s) + uv[1][k] * s) * (1.0f - t) +
                    (uv[3][k] * (1.0f - s) + uv[2][k] * s) * t;
        }
        const float shade = (0.75f - 0.5f * t) * brightness;
        quad.corners[i] = {corners[i][0], corners[i][1], at[0], at[1], shade, shade, shade, 1.0f};
    }
    renderer.addBackdrop(quad, texture);
    renderer.flush();
}

}  // namespace nimbus
