#include "game/level/LevelSourceWriter.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace nimbus {

namespace {

std::string fallWord(const Tile& tile) { return tile.fallStep < 0 ? "-" : std::to_string(tile.fallStep); }

std::string pickupWord(const Tile& tile) { return std::string(1, pickupKindInfo(tile.pickup).letter); }

// A grid of one word a cell under its keyword, each column as wide as its widest word.
std::string grid(const Board& board, const char* keyword,
                 const std::function<std::string(const Tile&)>& word) {
    std::vector<size_t> widths(static_cast<size_t>(board.width()), 1);
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x)
            widths[x] = std::max(widths[x], word(board.tileAt(Position(x, y))).size());
    }
    std::string text = std::string("\n") + keyword + "\n";
    for (int32_t y = 0; y < board.length(); ++y) {
        std::string row;
        for (int32_t x = 0; x < board.width(); ++x) {
            const std::string cell = word(board.tileAt(Position(x, y)));
            row += (x > 0 ? " " : "") + cell;
            if (x + 1 < board.width()) row.append(widths[x] - cell.size(), ' ');
        }
        text += row + "\n";
    }
    return text;
}

bool any(const Board& board, const std::function<bool(const Tile&)>& holds) {
    return std::any_of(board.tiles().begin(), board.tiles().end(), holds);
}

}  // namespace

std::string levelSourceText(const LevelSource& level) {
    std::string text;
    if (!level.title.empty()) text += "title " + level.title + "\n";
    if (!level.teaches.empty()) text += "teaches " + level.teaches + "\n";
    const Board& board = level.board;
    text +=
        grid(board, "tiles", [](const Tile& tile) { return std::string(1, tileColorLetter(tile.color)); });
    if (any(board, [](const Tile& tile) { return tile.fallStep >= 0; }))
        text += grid(board, "falls", fallWord);
    if (any(board, [](const Tile& tile) { return tile.pickup != kPickupNone; }))
        text += grid(board, "pickups", pickupWord);
    return text;
}

}  // namespace nimbus
