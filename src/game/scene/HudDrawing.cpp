#include "game/scene/HudDrawing.h"

#include "core/math/Color.h"
#include "game/rules/GameImpl.h"
#include "game/rules/PlayerStats.h"
#include "game/scene/RadialWipe.h"
#include "gui/windows/Quads.h"

namespace nimbus {

namespace {

constexpr float kTurn = 6.28318531f;
constexpr float kIconStep = 0.176f;
constexpr float kIconSize = 0.16f;
constexpr float kLeft = -1.25f;

const AtlasCell kComboCell{0.0f, 1.0f, 0.5f, 0.5f};

IconSquare icon(float x0, float y0, float x1, float y1, const AtlasCell& cell, float lowerAlpha) {
    IconSquare s;
    s.lowerLeft = {x0, y0, cell.u0, cell.v0, 1.0f, 1.0f, 1.0f, lowerAlpha};
    s.upperRight = {x1, y1, cell.u1, cell.v1, 1.0f, 1.0f, 1.0f, 1.0f};
    return s;
}

void addWipe(ScreenspaceRenderer& renderer, const IconSquare& square, float angle,
             const ResourceHandle<Texture>& texture, bool glow) {
    ScreenQuad quads[kMaxWipeQuads];
    const int32_t count = radialWipe(square, angle, quads);
    for (int32_t i = 0; i < count; ++i) renderer.addQuad(quads[i], texture, glow);
}

void addLayer(const GameImpl& game, ScreenspaceRenderer& renderer, const ResourceHandle<Texture>& texture,
              bool glow) {
    float x = kLeft;
    for (const auto& action : game.actions()) {
        const AtlasCell& cell = pickupKindInfo(action->kind()).hudCell;
        addWipe(renderer, icon(x, -0.724f, x + kIconSize, -0.564f, cell, 0.75f), action->progress() * kTurn,
                texture, glow);
        x += kIconStep;
    }
    const PlayerStats& stats = *game.stats();
    const AtlasCell& heart = pickupKindInfo(kPickupExtraLife).hudCell;
    for (int32_t life = 0; life < stats.lives; ++life) {
        const float left = kLeft + kIconStep * static_cast<float>(life);
        renderer.addQuad(rectangleQuad(Vector2(left, -0.9f), Vector2(left + kIconSize, -0.74f),
                                       Vector2(heart.u0, heart.v0), Vector2(heart.u1, heart.v1),
                                       Color(1.0f, 1.0f, 1.0f, 0.75f)),
                         texture, glow);
    }
    const float left = stats.comboTimer / PlayerStats::kComboSeconds;
    if (left > 0.0f)
        addWipe(renderer, icon(-0.16f, 0.64f, 0.16f, 0.96f, kComboCell, 1.0f), (1.0f - left) * kTurn, texture,
                glow);
}

}  // namespace

void drawHud(const GameImpl& game, ScreenspaceRenderer& renderer) {
    if (!game.stats()) return;
    // The glow goes first, as a halo under the icons: added over them it would wash their
    // colours out to white.
    addLayer(game, renderer, game.hudIconsGlow(), true);
    addLayer(game, renderer, game.hudIcons(), false);
}

}  // namespace nimbus
