#include "game/level/LevelSource.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <vector>

#include "core/Log.h"
#include "core/Utf8.h"
#include "core/posix/FileInBuffer.h"
#include "game/solver/LevelModel.h"

namespace nimbus {

namespace {

constexpr int32_t kMaxSide = LevelSourceParser::kMaxSide;
constexpr long kMaxFallStep = LevelSourceParser::kMaxFallStep;
using Rules = LevelSourceParser::Rules;

struct Line {
    int number;
    std::vector<std::string> words;
};

struct Grid {
    int line = 0;  // of its keyword; 0 when absent
    std::vector<Line> rows;
};

struct Wave {
    int line = 0;
    bool radial = true;
    Position from;
    int axis = 0;  // 0 along x, 1 along y
    bool reverse = false;
    long at = 0;
    long every = 1;
    bool used = false;
};

// The letter of each tile colour in a tiles grid, by colour.
constexpr char kColorLetters[kTileColorCount] = {'r', 'g', 'b', 'y', 'c', 'm', 'k', 'w', 'S', 'G', '.'};

// The colour a tiles grid's word stands for, or -1.
int32_t colorOf(const std::string& word) {
    for (int32_t color = 0; color < kTileColorCount; ++color) {
        if (word.size() == 1 && word[0] == kColorLetters[color]) return color;
    }
    return -1;
}

// The kind a pick-up grid's word stands for, or -1.
int32_t pickupKindOf(const std::string& word) {
    for (int32_t kind = kPickupNone; kind < kPickupLast; ++kind) {
        if (word.size() == 1 && word[0] == pickupKindInfo(kind).letter) return kind;
    }
    return -1;
}

// "stop time and reverse time": the kinds whose effects bend the level clock.
std::string clockBendingNames() {
    std::string names;
    for (int32_t kind = kPickupNone; kind < kPickupLast; ++kind) {
        if (!pickupKindInfo(kind).bendsClock()) continue;
        names += (names.empty() ? "" : " and ") + std::string(pickupKindInfo(kind).name);
    }
    return names;
}

bool parseNumber(const std::string& word, long low, long high, long& out) {
    if (word.empty()) return false;
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

// The line of the first byte that keeps `text` from being a level source: a control
// character other than a tab or a line end, or a byte that is not UTF-8; 0 for none.
int firstLineNotText(const std::string& text, std::string& why) {
    const size_t wellFormed = wellFormedUtf8Prefix(text);
    int line = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (i == wellFormed) {
            why = "this line is not UTF-8 text";
            return line;
        }
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02x", c);
            why = std::string("a level is text, but this line holds the control byte ") + hex;
            return line;
        }
        line += c == '\n';
    }
    return 0;
}

class Parser {
public:
    Parser(const std::string& fileName, LevelSource& level, Rules rules)
        : fileName_(fileName), level_(level), whole_(rules == Rules::kWhole) {}

    bool run(const std::string& text) {
        if (text.size() > LevelSourceParser::kMaxTextBytes)
            return fail(1, "a level is at most " + std::to_string(LevelSourceParser::kMaxTextBytes / 1024) +
                               " KB, this file " + std::to_string(text.size() / 1024) + " KB");
        std::string why;
        if (const int line = firstLineNotText(text, why)) return fail(line, why);
        if (!split(text)) return false;
        if (!tiles_.line) return fail(lines_.empty() ? 1 : lines_.back().number, "no tiles grid");
        return buildColors() && buildFalls() && buildPickups() && (!whole_ || checkWhole());
    }

    const std::string& reason() const { return reason_; }

private:
    bool fail(int line, const std::string& reason) {
        reason_ = fileName_ + ":" + std::to_string(line) + ": " + reason;
        return false;
    }

    // Cuts the text into statements and grids.
    bool split(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        Grid* grid = nullptr;
        for (int number = 1; std::getline(in, raw); ++number) {
            std::string content = raw.substr(0, raw.find('#'));
            std::istringstream words(content);
            Line line{number, {}};
            for (std::string w; words >> w;) line.words.push_back(w);
            if (line.words.empty()) {
                // A blank line ends a grid; a comment line does not.
                if (raw.find('#') == std::string::npos) grid = nullptr;
                continue;
            }
            if (grid && !isKeyword(line.words[0])) {
                grid->rows.push_back(line);
                continue;
            }
            lines_.push_back(line);
            if (!statement(line, grid)) return false;
        }
        return true;
    }

    static bool isKeyword(const std::string& word) {
        return word == "title" || word == "teaches" || word == "tiles" || word == "falls" ||
               word == "pickups" || word == "wave";
    }

    bool statement(const Line& line, Grid*& grid) {
        grid = nullptr;
        const std::string& key = line.words[0];
        auto rest = [&line]() {
            std::string text;
            for (size_t i = 1; i < line.words.size(); ++i) text += (i > 1 ? " " : "") + line.words[i];
            return text;
        };
        if (key == "title" || key == "teaches") {
            if (line.words.size() < 2) return fail(line.number, key + " needs a text");
            const size_t most =
                key == "title" ? LevelSourceParser::kMaxTitleBytes : LevelSourceParser::kMaxTeachesBytes;
            std::string& prose = key == "title" ? level_.title : level_.teaches;
            prose = rest();
            if (prose.size() > most)
                return fail(line.number, key + " is longer than " + std::to_string(most) + " bytes");
            return true;
        }
        if (key == "tiles" || key == "falls" || key == "pickups") {
            Grid& target = key == "tiles" ? tiles_ : key == "falls" ? falls_ : pickups_;
            if (line.words.size() != 1)
                return fail(line.number, key + " takes nothing on its line; the grid follows");
            if (target.line)
                return fail(line.number,
                            key + " given twice (first on line " + std::to_string(target.line) + ")");
            target.line = line.number;
            grid = &target;
            return true;
        }
        if (key == "wave") return wave(line);
        return fail(line.number, "unknown statement '" + key + "'");
    }

    bool wave(const Line& line) {
        const auto& w = line.words;
        const char* usage =
            "a wave reads: wave L from X Y at N [every E] | wave L along x|-x|y|-y at N [every E]";
        if (w.size() < 5 || w[1].size() != 1 || !std::isalpha(static_cast<unsigned char>(w[1][0])))
            return fail(line.number, usage);
        if (waves_.count(w[1][0])) return fail(line.number, "wave " + w[1] + " given twice");
        Wave wave;
        wave.line = line.number;
        size_t next = 0;
        long x = 0, y = 0;
        if (w[2] == "from" && w.size() >= 7 && parseNumber(w[3], 0, kMaxSide, x) &&
            parseNumber(w[4], 0, kMaxSide, y)) {
            wave.from = Position(static_cast<int32_t>(x), static_cast<int32_t>(y));
            next = 5;
        } else if (w[2] == "along" && (w[3] == "x" || w[3] == "-x" || w[3] == "y" || w[3] == "-y")) {
            wave.radial = false;
            wave.reverse = w[3][0] == '-';
            wave.axis = w[3].back() == 'x' ? 0 : 1;
            next = 4;
        } else {
            return fail(line.number, usage);
        }
        if (next + 2 > w.size() || w[next] != "at" || !parseNumber(w[next + 1], 0, kMaxFallStep, wave.at))
            return fail(line.number, usage);
        next += 2;
        if (next < w.size()) {
            if (next + 2 != w.size() || w[next] != "every" ||
                !parseNumber(w[next + 1], 1, kMaxSide, wave.every))
                return fail(line.number, usage);
        }
        waves_[w[1][0]] = wave;
        return true;
    }

    // Checks a grid's shape against the board: one row per board row, one token per cell.
    bool shape(const Grid& grid, const char* what) {
        if (grid.rows.size() != static_cast<size_t>(level_.board.length()))
            return fail(grid.line, std::string(what) + " has " + std::to_string(grid.rows.size()) +
                                       " rows, the tiles " + std::to_string(level_.board.length()));
        for (const Line& row : grid.rows) {
            if (row.words.size() != static_cast<size_t>(level_.board.width()))
                return fail(row.number, std::string(what) + " row has " + std::to_string(row.words.size()) +
                                            " cells, the tiles have " + std::to_string(level_.board.width()));
        }
        return true;
    }

    bool buildColors() {
        const auto& rows = tiles_.rows;
        if (rows.empty()) return fail(tiles_.line, "the tiles grid is empty");
        const size_t width = rows[0].words.size();
        const size_t least = LevelSourceParser::kMinSide;
        if (width < least || rows.size() < least || width > kMaxSide || rows.size() > kMaxSide)
            return fail(tiles_.line, "a board is " + std::to_string(least) + " to " +
                                         std::to_string(kMaxSide) + " cells on each side");
        level_.board = Board(static_cast<int32_t>(width), static_cast<int32_t>(rows.size()));
        if (!shape(tiles_, "tiles")) return false;
        for (int32_t y = 0; y < level_.board.length(); ++y) {
            for (int32_t x = 0; x < level_.board.width(); ++x) {
                const std::string& word = rows[y].words[x];
                const int32_t color = colorOf(word);
                if (color < 0) return fail(rows[y].number, "unknown tile '" + word + "'");
                level_.board.tileAt(Position(x, y)).color = color;
            }
        }
        return true;
    }

    long waveStep(Wave& wave, const Position& p) {
        wave.used = true;
        long distance;
        if (wave.radial) {
            distance = static_cast<long>(manhattanDistance(p, wave.from));
        } else {
            long side = wave.axis == 0 ? level_.board.width() : level_.board.length();
            long along = wave.axis == 0 ? p.x : p.y;
            distance = wave.reverse ? side - 1 - along : along;
        }
        return wave.at + distance / wave.every;
    }

    bool buildFalls() {
        if (!falls_.line) {
            for (const auto& entry : waves_)
                return fail(entry.second.line, "a wave needs a falls grid to place it");
            return true;
        }
        if (!shape(falls_, "falls")) return false;
        for (int32_t y = 0; y < level_.board.length(); ++y) {
            const Line& row = falls_.rows[y];
            for (int32_t x = 0; x < level_.board.width(); ++x) {
                const std::string& word = row.words[x];
                const Position p(x, y);
                long step = -1;
                if (word == "-") {
                    step = -1;
                } else if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0]))) {
                    auto found = waves_.find(word[0]);
                    if (found == waves_.end()) return fail(row.number, "no wave " + word);
                    step = waveStep(found->second, p);
                } else if (!parseNumber(word, 0, kMaxFallStep, step)) {
                    return fail(row.number, "a fall step is '-', a number 0 to " +
                                                std::to_string(kMaxFallStep) + " or a wave letter, not '" +
                                                word + "'");
                }
                if (whole_ && step >= 0 && level_.board.isBorder(p))
                    return fail(row.number, "border tile " + p.text() + " never falls; write -");
                level_.board.tileAt(p).fallStep = static_cast<int32_t>(step);
            }
        }
        for (const auto& entry : waves_) {
            if (!entry.second.used)
                return fail(entry.second.line, std::string("wave ") + entry.first + " is never used");
        }
        return true;
    }

    bool buildPickups() {
        if (!pickups_.line) return true;
        if (!shape(pickups_, "pickups")) return false;
        int clockPickups = 0, pickups = 0;
        for (int32_t y = 0; y < level_.board.length(); ++y) {
            const Line& row = pickups_.rows[y];
            for (int32_t x = 0; x < level_.board.width(); ++x) {
                const int32_t kind = pickupKindOf(row.words[x]);
                if (kind < 0) return fail(row.number, "unknown pick-up '" + row.words[x] + "'");
                const PickupKindInfo& info = pickupKindInfo(kind);
                Tile& tile = level_.board.tileAt(Position(x, y));
                if (whole_ && kind != kPickupNone && !takesSomeFace(tile.color)) {
                    return fail(row.number, std::string(info.name) + " pick-up on " + Position(x, y).text() +
                                                ", which the die cannot enter");
                }
                tile.pickup = kind;
                pickups += kind != kPickupNone;
                if (pickups > LevelSourceParser::kMaxPickups)
                    return fail(row.number,
                                "more than " + std::to_string(LevelSourceParser::kMaxPickups) + " pick-ups");
                clockPickups += info.bendsClock();
                if (clockPickups > LevelModel::kMaxClockPickups) {
                    const std::string most = std::to_string(LevelModel::kMaxClockPickups);
                    return fail(row.number, "more than " + most + " " + clockBendingNames() + " pick-ups");
                }
            }
        }
        return true;
    }

    bool checkWhole() {
        const Board& board = level_.board;
        int starts = 0, goals = 0;
        for (int32_t y = 0; y < board.length(); ++y) {
            for (int32_t x = 0; x < board.width(); ++x) {
                const Position p(x, y);
                const int32_t color = board.tileAt(p).color;
                starts += color == kStart;
                goals += color == kGoal;
                // The die cannot roll off a goal (the level ends there), so a goal may sit
                // in the outer ring; anything else there must turn every face away.
                if (board.isBorder(p) && color != kGoal && takesSomeFace(color))
                    return fail(tiles_.rows[y].number,
                                "edge tile " + p.text() + " lets the die off the board");
                if (board.isBorder(p) && color == kStart)
                    return fail(tiles_.rows[y].number, "the start " + p.text() + " lies on the edge");
            }
        }
        if (starts != 1)
            return fail(tiles_.line, "a level has exactly one start, not " + std::to_string(starts));
        if (goals == 0) return fail(tiles_.line, "a level needs a goal");
        return true;
    }

    std::string fileName_;
    LevelSource& level_;
    bool whole_;
    std::string reason_;
    std::vector<Line> lines_;
    Grid tiles_, falls_, pickups_;
    std::map<char, Wave> waves_;
};

// Hands a refusal to the caller who asked for it, or to the log.
bool refuse(const std::string& refusal, std::string* reason) {
    if (reason)
        *reason = refusal;
    else
        LOG_ERROR(refusal);
    return false;
}

}  // namespace

char tileColorLetter(int32_t color) {
    return color >= 0 && color < kTileColorCount ? kColorLetters[color] : kColorLetters[kUndefined];
}

bool LevelSourceParser::parse(const std::string& text, const std::string& fileName, LevelSource& level,
                              std::string* reason, Rules rules) {
    LevelSource parsed;
    Parser parser(fileName, parsed, rules);
    if (!parser.run(text)) return refuse(parser.reason(), reason);
    level = std::move(parsed);
    return true;
}

bool LevelSourceParser::load(const std::string& path, std::string& text, std::string* reason) {
    FileInBuffer file;
    std::string refusal;
    if (!file.open(path)) {
        refusal = path + ": cannot be opened";
    } else if (static_cast<size_t>(file.bytesLeft()) > kMaxTextBytes) {
        refusal = path + ":1: a level is at most " + std::to_string(kMaxTextBytes / 1024) +
                  " KB, this file " + std::to_string(file.bytesLeft() / 1024) + " KB";
    } else {
        text.resize(static_cast<size_t>(file.bytesLeft()));
        if (file.read(text.data(), file.bytesLeft()) == static_cast<int32_t>(text.size())) return true;
        refusal = path + ": cannot be read";
    }
    return refuse(refusal, reason);
}

bool LevelSourceParser::read(const std::string& path, LevelSource& level, std::string* reason, Rules rules) {
    std::string text;
    return load(path, text, reason) && parse(text, path, level, reason, rules);
}

}  // namespace nimbus
