#pragma once

#include "core/ResourceHandle.h"
#include "core/math/Vector2.h"
#include "game/rules/Position.h"
#include "render/Texture.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

class Board;
class ScreenspaceRenderer;

// A board seen from above, as the level editor shows it: square cells as large as fit
// the area, centred in it, row 0 at the top as a level's text has it. Tiles in their
// colours with a gap between them and holes left open; the start with a die on it, goals
// chequered; pick-ups as their icons; fall steps as numbers where cells are big enough
// to read them, as a dot otherwise. The cursor's cell is ringed, the hovered one lit.
class BoardPlan {
public:
    // The cells smaller than this (GUI units) show a fall step as a dot.
    static constexpr float kSmallestNumberedCell = 0.055f;

    BoardPlan();

    // Fits the board into the area between the corners.
    void fit(const Board& board, const Vector2& min, const Vector2& max);
    float cellSize() const { return cell_; }
    // The cell under a point, or (-1, -1).
    Position cellAt(const Vector2& point) const;
    // The centre of a cell.
    Vector2 centreOf(const Position& cell) const;

    // Draws the board fitted last.
    void draw(const Board& board, const Position& cursor, const Position& hovered,
              ScreenspaceRenderer& renderer) const;

private:
    void drawTile(const Board& board, const Position& cell, ScreenspaceRenderer& renderer) const;
    void drawFallStep(int32_t step, const Vector2& centre, float scale, bool light,
                      ScreenspaceRenderer& renderer) const;

    ResourceHandle<Texture> circle_;
    ResourceHandle<Texture> icons_;
    ResourceHandle<BitmapFont> font_;
    int32_t width_ = 0;
    int32_t length_ = 0;
    Vector2 topLeft_;
    float cell_ = 0.0f;
};

}  // namespace nimbus
