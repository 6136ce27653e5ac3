#include "LevelPlan.h"

#include <algorithm>
#include <cmath>

#include "game/rules/TileColor.h"

namespace nimbus {

namespace {

// Crumbling later than this reads as standing for good.
constexpr float kLongSeconds = 60.0f;

Pixel shade(const Color& c, float k) { return {c.r() * k, c.g() * k, c.b() * k, 1.0f}; }

void fill(Image& image, int x0, int y0, int w, int h, const Pixel& p) {
    for (int y = std::max(0, y0); y < std::min(image.height(), y0 + h); ++y) {
        for (int x = std::max(0, x0); x < std::min(image.width(), x0 + w); ++x) image.at(x, y) = p;
    }
}

void ring(Image& image, int cx, int cy, float radius, float width, const Pixel& p) {
    const int reach = static_cast<int>(radius + width) + 1;
    for (int y = cy - reach; y <= cy + reach; ++y) {
        for (int x = cx - reach; x <= cx + reach; ++x) {
            const float d = std::hypot(static_cast<float>(x - cx), static_cast<float>(y - cy));
            if (std::fabs(d - radius) <= width * 0.5f && x >= 0 && y >= 0 && x < image.width() &&
                y < image.height())
                image.at(x, y) = p;
        }
    }
}

void tile(Image& image, int x0, int y0, const Board& board, const Position& p) {
    const Tile& t = board.tileAt(p);
    if (t.color == kUndefined) return;  // a hole shows the ground
    const int s = LevelPlan::kTile;
    const bool falls = !board.isBorder(p) && board.fallTime(p) < kLongSeconds;
    const float soon = falls ? 0.45f + 0.55f * board.fallTime(p) / kLongSeconds : 1.0f;
    fill(image, x0, y0, s, s, Pixel{0.05f, 0.05f, 0.06f, 1.0f});
    const Pixel face = shade(asColor(t.color), t.color == kGoal ? 1.0f : soon);
    fill(image, x0 + 1, y0 + 1, s - 2, s - 2, falls ? Pixel{0.35f, 0.0f, 0.0f, 1.0f} : face);
    if (falls) fill(image, x0 + 3, y0 + 3, s - 6, s - 6, face);
    if (t.color == kGoal) {
        for (int y = 0; y < s - 2; y += 4) {
            for (int x = (y / 4) % 2 * 4; x < s - 2; x += 8)
                fill(image, x0 + 1 + x, y0 + 1 + y, 4, 4, Pixel{0, 0, 0, 1});
        }
    }
    if (t.color == kStart) fill(image, x0 + s / 2 - 2, y0 + s / 2 - 2, 4, 4, Pixel{0, 0, 0, 1});
    static const Pixel kPickupColours[] = {{}, {1, 1, 1, 1}, {0.2f, 0.5f, 1, 1}, {1, 0.55f, 0.1f, 1}};
    if (t.pickup > kPickupNone && t.pickup < kPickupLast) {
        ring(image, x0 + s / 2, y0 + s / 2, s * 0.32f, 2.5f, Pixel{0, 0, 0, 1});
        ring(image, x0 + s / 2, y0 + s / 2, s * 0.32f, 1.2f, kPickupColours[t.pickup]);
    }
}

// A thick line between two cell centres along a row or column.
void segment(Image& image, int x0, int y0, const Position& a, const Position& b) {
    const int s = LevelPlan::kTile;
    const int ax = x0 + a.x * s + s / 2, ay = y0 + a.y * s + s / 2;
    const int bx = x0 + b.x * s + s / 2, by = y0 + b.y * s + s / 2;
    fill(image, std::min(ax, bx) - 1, std::min(ay, by) - 1, std::abs(bx - ax) + 3, std::abs(by - ay) + 3,
         Pixel{0.1f, 0.1f, 0.1f, 1.0f});
}

}  // namespace

void LevelPlan::draw(Image& image, int x0, int y0, const Board& board, const Position& start,
                     const std::vector<SolutionStep>& steps) {
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x)
            tile(image, x0 + x * kTile, y0 + y * kTile, board, Position(x, y));
    }
    Position at = start;
    for (const SolutionStep& step : steps) {
        if (step.turn >= 4) {
            fill(image, x0 + at.x * kTile + kTile / 2 - 3, y0 + at.y * kTile + kTile / 2 - 3, 7, 7,
                 Pixel{1, 1, 1, 1});
            continue;
        }
        const Position next = at.stepped(step.turn);
        segment(image, x0, y0, at, next);
        at = next;
    }
}

}  // namespace nimbus
