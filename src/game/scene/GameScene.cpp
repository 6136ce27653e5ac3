#include "game/scene/GameScene.h"

#include <GL/glew.h>

#include <cmath>

#include "game/rules/GameImpl.h"
#include "game/scene/Backdrop.h"
#include "game/scene/BoardDrawing.h"
#include "game/scene/CameraFit.h"
#include "game/scene/ColorSymbols.h"
#include "game/scene/FloatingTextDrawing.h"
#include "game/scene/GlossyModels.h"
#include "game/scene/HudDrawing.h"
#include "game/scene/WindowScissor.h"
#include "render/Camera.h"
#include "render/ScreenspaceRenderer.h"
#include "render/ViewSize.h"

namespace nimbus {

namespace {

constexpr float kPi = 3.14159265f;

// The backdrop repeats as on an 800 × 600 screen at two pixels a texel and circles
// slowly, once every twenty seconds of level time.
void drawGameBackdrop(const GameImpl& game, ScreenspaceRenderer& renderer, float brightness) {
    const ResourceHandle<Texture>& texture = game.backdrop();
    if (!texture) return;
    const float a = game.levelClock() * 0.1f * kPi;
    const float ou = 0.25f * std::cos(a), ov = 0.25f * std::sin(a);
    const float su = 800.0f / (2.0f * static_cast<float>(texture->getWidth()));
    const float sv = 600.0f / (2.0f * static_cast<float>(texture->getHeight()));
    const float uv[4][2] = {{ou, ov}, {ou + su, ov}, {ou + su, ov + sv}, {ou, ov + sv}};
    drawBackdrop(renderer, texture, kViewAspect, uv, brightness);
}

void drawDie(const GameDice& die, const Camera& camera, const char* technique = GlossyModels::kSolid) {
    const GameDice::Resources& r = die.resources();
    if (!r.mesh || !r.effect) return;
    GlossyModels(*r.effect, camera, r.envmap.get())
        .draw(*r.mesh, die.transform(), colorSymbolsShown() ? r.symbols.get() : nullptr, technique);
}

}  // namespace

void drawGame(GameImpl& game, const Vector2& lowerLeft, const Vector2& upperRight, Camera& camera,
              ScreenspaceRenderer& renderer, const GameDice* ghost) {
    const float brightness = game.paused() ? 0.5f : 1.0f;
    renderer.pushClipRect(lowerLeft, upperRight);
    scissorFromCorner(lowerLeft);
    // The backdrop comes after the scene, behind its depth, so only what the board leaves
    // open is filled; what the menus drew earlier in the frame must not hold it off.
    glClear(GL_DEPTH_BUFFER_BIT);
    const Matrix44 dieTransform = game.die().transform();
    // The widest angle that keeps the board framed in the view; a camera widened for a
    // full screen (makeStandardCamera) shows more around it, not the board larger.
    const Camera standard = makeStandardCamera();
    const float fitAngle = std::atan(std::tan(standard.fovy) * standard.aspect);
    fitCameraToDie(camera, {dieTransform.m[3][0], dieTransform.m[3][1], dieTransform.m[3][2]}, fitAngle);
    game.setCameraTransform(camera.world);
    const Board* board = game.board();
    if (board) drawBoard(*board, game.levelClock(), brightness, camera);
    if (!game.hidden()) {
        drawDie(game.die(), camera);
        if (board) drawArrows(*board, game.die(), game.hintedRoll(), game.levelClock(), camera);
        // Last, as it lets what is behind it show through.
        if (ghost) drawDie(*ghost, camera, GlossyModels::kSeeThrough);
    }
    glDisable(GL_SCISSOR_TEST);
    drawGameBackdrop(game, renderer, brightness);
    drawFloatingTexts(game.floatingTexts(), camera, renderer);
    if (!game.hidden()) drawHud(game, renderer);
    renderer.popClipRect();
}

}  // namespace nimbus
