#include "game/level/LevelEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace nimbus {

namespace {

// The brushes by name, in the order of the enumeration.
constexpr const char* kBrushNames[static_cast<size_t>(Brush::kCount)] = {
    "red",   "green", "blue",  "yellow",      "cyan", "magenta",    "white",     "black",        "hole",
    "start", "goal",  "falls", "never_falls", "wave", "extra_life", "stop_time", "reverse_time", "no_pickup",
};

constexpr int32_t kNewWidth = 9;
constexpr int32_t kNewLength = 7;

// The colour a colour brush paints, or -1 for another brush.
int32_t colorOf(Brush brush) {
    constexpr int32_t kColors[] = {kRed,   kGreen, kBlue,      kYellow, kCyan, kMagenta,
                                   kWhite, kBlack, kUndefined, kStart,  kGoal};
    const auto index = static_cast<size_t>(brush);
    return index < std::size(kColors) ? kColors[index] : -1;
}

// The pick-up a pick-up brush lays, or -1 for another brush.
int32_t pickupOf(Brush brush) {
    switch (brush) {
        case Brush::kExtraLife:
            return kPickupExtraLife;
        case Brush::kStopTime:
            return kPickupStopTime;
        case Brush::kReverseTime:
            return kPickupReverseTime;
        case Brush::kNoPickup:
            return kPickupNone;
        default:
            return -1;
    }
}

// Prose as the text form can hold it: no '#' (a comment would start), no control
// characters, no more than `most` bytes.
std::string cleanProse(const std::string& text, size_t most) {
    std::string clean;
    for (const char c : text) {
        if (c != '#' && static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) clean += c;
    }
    if (clean.size() > most) clean.resize(most);
    return clean;
}

}  // namespace

const char* brushName(Brush brush) {
    const auto index = static_cast<size_t>(brush);
    return index < std::size(kBrushNames) ? kBrushNames[index] : "";
}

Brush brushNamed(const std::string& name) {
    for (size_t i = 0; i < std::size(kBrushNames); ++i) {
        if (name == kBrushNames[i]) return static_cast<Brush>(i);
    }
    return Brush::kCount;
}

LevelEditor::LevelEditor() {
    Board& board = level_.board;
    board = Board(kNewWidth, kNewLength);
    for (int32_t y = 0; y < kNewLength; ++y) {
        for (int32_t x = 0; x < kNewWidth; ++x) {
            const Position p(x, y);
            board.tileAt(p).color = board.isBorder(p) ? kBlack : kWhite;
        }
    }
    board.tileAt(Position(1, kNewLength / 2)).color = kStart;
    board.tileAt(Position(kNewWidth - 2, kNewLength / 2)).color = kGoal;
}

LevelEditor::LevelEditor(LevelSource level) : level_(std::move(level)) {}

void LevelEditor::setFallStep(int32_t step) {
    fallStep_ = std::clamp(step, 0, LevelSourceParser::kMaxFallStep);
}

void LevelEditor::setWaveEvery(int32_t every) {
    waveEvery_ = std::clamp(every, 1, LevelSourceParser::kMaxSide);
}

bool LevelEditor::paint(const Position& cell, Brush brush) {
    if (!level_.board.contains(cell) || brush == Brush::kCount) return false;
    Board painted = level_.board;
    if (!paintTile(painted, cell, brush) || painted.tiles() == level_.board.tiles()) return false;
    remember(Typing::kNone);
    level_.board = std::move(painted);
    changed();
    return true;
}

void LevelEditor::paintLine(const Position& from, const Position& to, Brush brush) {
    const int32_t steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    for (int32_t i = 0; i <= steps; ++i) {
        const float share = steps > 0 ? static_cast<float>(i) / static_cast<float>(steps) : 0.0f;
        const auto along = [share](int32_t a, int32_t b) {
            return a + static_cast<int32_t>(std::lround(share * static_cast<float>(b - a)));
        };
        paint(Position(along(from.x, to.x), along(from.y, to.y)), brush);
    }
}

bool LevelEditor::paintTile(Board& board, const Position& cell, Brush brush) const {
    Tile& tile = board.tileAt(cell);
    if (const int32_t color = colorOf(brush); color >= 0) {
        for (int32_t y = 0; y < board.length() && color == kStart; ++y) {
            for (int32_t x = 0; x < board.width(); ++x) {
                Tile& other = board.tileAt(Position(x, y));
                if (other.color == kStart) other.color = kWhite;
            }
        }
        tile.color = color;
        return true;
    }
    if (const int32_t pickup = pickupOf(brush); pickup >= 0) {
        tile.pickup = pickup;
        return true;
    }
    if (brush == Brush::kNeverFalls) {
        tile.fallStep = -1;
        return true;
    }
    if (board.isBorder(cell)) return false;
    if (brush == Brush::kFalls) {
        tile.fallStep = fallStep_;
        return true;
    }
    for (int32_t y = 1; y + 1 < board.length(); ++y) {
        for (int32_t x = 1; x + 1 < board.width(); ++x) {
            Tile& floor = board.tileAt(Position(x, y));
            if (!takesSomeFace(floor.color) && floor.color != kStart) continue;
            const int64_t distance = manhattanDistance(Position(x, y), cell);
            floor.fallStep = fallStep_ + static_cast<int32_t>(distance / waveEvery_);
        }
    }
    return true;
}

void LevelEditor::beginStroke() {
    stroke_ = true;
    strokeRemembered_ = false;
}

void LevelEditor::endStroke() { stroke_ = false; }

bool LevelEditor::resize(int32_t width, int32_t length) {
    width = std::clamp(width, LevelSourceParser::kMinSide, LevelSourceParser::kMaxSide);
    length = std::clamp(length, LevelSourceParser::kMinSide, LevelSourceParser::kMaxSide);
    const Board& old = level_.board;
    if (width == old.width() && length == old.length()) return false;
    Board resized(width, length);
    for (int32_t y = 0; y < std::min(length, old.length()); ++y) {
        for (int32_t x = 0; x < std::min(width, old.width()); ++x)
            resized.tileAt(Position(x, y)) = old.tileAt(Position(x, y));
    }
    remember(Typing::kNone);
    level_.board = resized;
    changed();
    return true;
}

void LevelEditor::setTitle(const std::string& title) {
    const std::string clean = cleanProse(title, LevelSourceParser::kMaxTitleBytes);
    if (clean == level_.title) return;
    remember(Typing::kTitle);
    level_.title = clean;
    changed();
}

void LevelEditor::setTeaches(const std::string& teaches) {
    const std::string clean = cleanProse(teaches, LevelSourceParser::kMaxTeachesBytes);
    if (clean == level_.teaches) return;
    remember(Typing::kTeaches);
    level_.teaches = clean;
    changed();
}

bool LevelEditor::undo() {
    if (undo_.empty()) return false;
    redo_.push_back(std::move(level_));
    level_ = std::move(undo_.back());
    undo_.pop_back();
    typing_ = Typing::kNone;
    changed();
    return true;
}

bool LevelEditor::redo() {
    if (redo_.empty()) return false;
    undo_.push_back(std::move(level_));
    level_ = std::move(redo_.back());
    redo_.pop_back();
    typing_ = Typing::kNone;
    changed();
    return true;
}

void LevelEditor::remember(Typing typing) {
    const bool sameStroke = stroke_ && strokeRemembered_;
    const bool sameTyping = typing != Typing::kNone && typing == typing_;
    typing_ = typing;
    if (sameStroke || sameTyping) return;
    strokeRemembered_ = stroke_;
    undo_.push_back(level_);
    if (undo_.size() > kUndoDepth) undo_.erase(undo_.begin());
    redo_.clear();
}

void LevelEditor::changed() { ++revision_; }

}  // namespace nimbus
