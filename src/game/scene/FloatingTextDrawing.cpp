#include "game/scene/FloatingTextDrawing.h"

#include <cmath>

#include "core/math/Color.h"
#include "core/math/Matrix44.h"
#include "game/rules/FloatingTextList.h"
#include "render/Camera.h"
#include "render/font/DrawText.h"

namespace nimbus {

namespace {

const TextAlignment kCentred{TextAlignment::kCentre, TextAlignment::kMiddle};

}  // namespace

bool floatingTextAnchor(const FloatingText& text, const Camera& camera, Vector2& anchor) {
    const Vector4 clip = Vector4(text.position, 1.0f) * camera.viewProjection;
    // A point behind the eye would divide into a mirrored place on screen.
    if (clip.w <= 0.0f) return false;
    // A camera widened for a full screen (makeStandardCamera) reaches further than the
    // view, in proportion to the height of its field.
    const float reach = std::tan(camera.fovy * 0.5f) / std::tan(makeStandardCamera().fovy * 0.5f);
    anchor =
        Vector2(clip.x * camera.aspect * reach / clip.w, clip.y * reach / clip.w) + text.drift * text.age;
    return true;
}

void drawFloatingTexts(const FloatingTextList& list, const Camera& camera, ScreenspaceRenderer& renderer) {
    const ResourceHandle<BitmapFont>& font = list.font();
    if (!font) return;
    Vector2 anchor;
    for (const FloatingText& text : list.entries()) {
        if (!floatingTextAnchor(text, camera, anchor)) continue;
        drawText(text.quadCount, kCentred, anchor, text.quads, font->texture(), renderer, false, nullptr);
    }
    if (!font->glowTexture()) return;
    for (const FloatingText& text : list.entries()) {
        if (text.quadCount == 0 || !floatingTextAnchor(text, camera, anchor)) continue;
        const Color glow(0.5f, 0.0f, 1.0f, text.quads[0].corners[0].a);
        drawText(text.quadCount, kCentred, anchor, text.quads, font->glowTexture(), renderer, true, &glow);
    }
}

}  // namespace nimbus
