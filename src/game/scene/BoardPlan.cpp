#include "game/scene/BoardPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "game/rules/Board.h"
#include "game/rules/TileColor.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

constexpr const char* kIconsTexture = "Textures/hud_icons";
// Shares of a cell: the gap round a tile, the die on the start, a pick-up's icon, a
// fall step's dot and digits, the cursor's ring.
constexpr float kGap = 0.06f;
constexpr float kDie = 0.5f;
constexpr float kIcon = 0.72f;
constexpr float kDot = 0.22f;
constexpr float kDigits = 0.42f;
constexpr float kRing = 0.1f;

const Vector2 kFlat(0.5f, 0.5f);  // the circle texture's solid middle
const Color kFloor{0.03f, 0.05f, 0.09f, 0.85f};
const Color kDieColor{0.1f, 0.2f, 0.45f, 1.0f};
const Color kChequer{0.08f, 0.08f, 0.1f, 1.0f};
const Color kCursor{1.0f, 0.85f, 0.2f, 1.0f};
const Color kHover{1.0f, 1.0f, 1.0f, 0.25f};
const Color kDarkInk{0.05f, 0.05f, 0.08f, 1.0f};
const Color kLightInk{1.0f, 1.0f, 1.0f, 1.0f};

bool lightTile(int32_t color) {
    const Color c = asColor(color);
    return 0.3f * c.r() + 0.55f * c.g() + 0.15f * c.b() > 0.5f;
}

}  // namespace

BoardPlan::BoardPlan()
    : circle_(getResource<Texture>(kCircleTextureName, kTextureTypeName)),
      icons_(getResource<Texture>(kIconsTexture, kTextureTypeName)),
      font_(getResource<BitmapFont>(kDefaultFontResource, "Font")) {}

void BoardPlan::fit(const Board& board, const Vector2& min, const Vector2& max) {
    width_ = board.width();
    length_ = board.length();
    if (width_ <= 0 || length_ <= 0) return;
    cell_ =
        std::min((max.x - min.x) / static_cast<float>(width_), (max.y - min.y) / static_cast<float>(length_));
    const Vector2 centre = (min + max) * 0.5f;
    topLeft_ = Vector2(centre.x - cell_ * static_cast<float>(width_) / 2,
                       centre.y + cell_ * static_cast<float>(length_) / 2);
}

Position BoardPlan::cellAt(const Vector2& point) const {
    if (cell_ <= 0.0f) return Position();
    const auto x = static_cast<int32_t>(std::floor((point.x - topLeft_.x) / cell_));
    const auto y = static_cast<int32_t>(std::floor((topLeft_.y - point.y) / cell_));
    if (x < 0 || y < 0 || x >= width_ || y >= length_) return Position();
    return Position(x, y);
}

Vector2 BoardPlan::centreOf(const Position& cell) const {
    return Vector2(topLeft_.x + (static_cast<float>(cell.x) + 0.5f) * cell_,
                   topLeft_.y - (static_cast<float>(cell.y) + 0.5f) * cell_);
}

void BoardPlan::draw(const Board& board, const Position& cursor, const Position& hovered,
                     ScreenspaceRenderer& renderer) const {
    if (board.width() != width_ || board.length() != length_ || cell_ <= 0.0f) return;
    auto flat = [&](const Vector2& min, const Vector2& max, const Color& color) {
        renderer.addQuad(rectangleQuad(min, max, kFlat, kFlat, color), circle_, false);
    };
    const Vector2 bottomRight(topLeft_.x + cell_ * static_cast<float>(width_),
                              topLeft_.y - cell_ * static_cast<float>(length_));
    flat(Vector2(topLeft_.x, bottomRight.y), Vector2(bottomRight.x, topLeft_.y), kFloor);
    for (int32_t y = 0; y < length_; ++y) {
        for (int32_t x = 0; x < width_; ++x) drawTile(board, Position(x, y), renderer);
    }
    const Vector2 half(cell_ / 2, cell_ / 2);
    if (board.contains(hovered)) flat(centreOf(hovered) - half, centreOf(hovered) + half, kHover);
    if (board.contains(cursor)) {
        const Vector2 c = centreOf(cursor);
        const float ring = cell_ * kRing;
        flat(c - half, Vector2(c.x + half.x, c.y - half.y + ring), kCursor);
        flat(Vector2(c.x - half.x, c.y + half.y - ring), c + half, kCursor);
        flat(c - half, Vector2(c.x - half.x + ring, c.y + half.y), kCursor);
        flat(Vector2(c.x + half.x - ring, c.y - half.y), c + half, kCursor);
    }
}

void BoardPlan::drawTile(const Board& board, const Position& cell, ScreenspaceRenderer& renderer) const {
    const Tile& tile = board.tileAt(cell);
    const Vector2 c = centreOf(cell);
    const float inner = cell_ * (0.5f - kGap);
    const Vector2 half(inner, inner);
    auto flat = [&](const Vector2& min, const Vector2& max, const Color& color) {
        renderer.addQuad(rectangleQuad(min, max, kFlat, kFlat, color), circle_, false);
    };
    if (tile.color != kUndefined) flat(c - half, c + half, asColor(tile.color));
    if (tile.color == kGoal) {
        flat(c - half, c, kChequer);
        flat(c, c + half, kChequer);
    }
    if (tile.color == kStart) {
        const Vector2 die(cell_ * kDie / 2, cell_ * kDie / 2);
        flat(c - die, c + die, kDieColor);
    }
    if (tile.pickup != kPickupNone) {
        const AtlasCell& icon = pickupKindInfo(tile.pickup).hudCell;
        const Vector2 size(cell_ * kIcon / 2, cell_ * kIcon / 2);
        renderer.addQuad(rectangleQuad(c - size, c + size, Vector2(icon.u0, icon.v0),
                                       Vector2(icon.u1, icon.v1), Color(1.0f, 1.0f, 1.0f, 1.0f)),
                         icons_, false);
    }
    // Beside a pick-up the step goes small into the lower right corner.
    const bool aside = tile.pickup != kPickupNone;
    const Vector2 at = aside ? Vector2(c.x + cell_ * 0.28f, c.y - cell_ * 0.3f) : c;
    if (tile.fallStep >= 0)
        drawFallStep(tile.fallStep, at, aside ? 0.5f : 1.0f, lightTile(tile.color), renderer);
}

void BoardPlan::drawFallStep(int32_t step, const Vector2& centre, float scale, bool light,
                             ScreenspaceRenderer& renderer) const {
    const Color& ink = light ? kDarkInk : kLightInk;
    if (cell_ < kSmallestNumberedCell || !font_) {
        const float dot = cell_ * kDot / 2;
        const Vector2 corner(centre.x + cell_ * 0.25f, centre.y + cell_ * 0.25f);
        renderer.addQuad(
            rectangleQuad(corner - Vector2(dot, dot), corner + Vector2(dot, dot), kFlat, kFlat, ink), circle_,
            false);
        return;
    }
    char digits[12];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(step));
    ScreenQuad quads[sizeof digits];
    const int32_t count = layoutText(*font_, quads, sizeof digits - 1, digits, cell_ * kDigits * scale, 0.0f);
    TextAlignment alignment;
    alignment.horizontal = TextAlignment::kCentre;
    alignment.vertical = TextAlignment::kMiddle;
    drawText(count, alignment, centre, quads, font_->texture(), renderer, false, &ink);
}

}  // namespace nimbus
