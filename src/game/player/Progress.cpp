#include "game/player/Progress.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/InBuffer.h"
#include "core/LineReader.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "game/rules/LevelList.h"

namespace nimbus {

namespace {

constexpr const char* kHeader =
    "# The levels reached, and each level's bests: the level, the best, the day, the player.\n";
constexpr const char* kReached = "reached";

// One kind of best: its word in the file, where it is kept, what a run gives for it,
// which way is better, and whether it is a time (hundredths, written as seconds).
struct BestKind {
    const char* word;
    LevelBest LevelRecord::*best;
    int32_t LevelRun::*run;
    bool NewBests::*isNew;
    bool lowerIsBetter;
    bool time;
};

const BestKind kBestKinds[] = {
    {"score", &LevelRecord::score, &LevelRun::score, &NewBests::score, false, false},
    {"time", &LevelRecord::time, &LevelRun::hundredths, &NewBests::time, true, true},
    {"commands", &LevelRecord::commands, &LevelRun::commands, &NewBests::commands, true, false},
};

const BestKind* kindNamed(const std::string& word) {
    for (const BestKind& kind : kBestKinds) {
        if (word == kind.word) return &kind;
    }
    return nullptr;
}

// The next word of the line from `at`, up to a space or the end; `at` moves past it.
std::string nextWord(const std::string& line, size_t& at) {
    if (at > line.size()) return std::string();
    const size_t space = std::min(line.find(' ', at), line.size());
    std::string word = line.substr(at, space - at);
    at = std::min(space + 1, line.size() + 1);
    return word;
}

// Digits only, as a number of at most 32 bits.
bool parseCount(const std::string& text, int64_t& value) {
    constexpr size_t kMostDigits = 10;
    if (text.empty() || text.size() > kMostDigits) return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    value = std::strtoll(text.c_str(), nullptr, 10);
    return value <= INT32_MAX;
}

// A count, or for a time seconds with exactly two decimals, in hundredths.
bool parseValue(const std::string& text, bool time, int32_t& value) {
    int64_t whole = 0, fraction = 0;
    if (!time) {
        if (!parseCount(text, whole)) return false;
    } else {
        const size_t dot = text.size() < 3 ? 0 : text.size() - 3;
        if (dot == 0 || text[dot] != '.' || !parseCount(text.substr(0, dot), whole) ||
            !parseCount(text.substr(dot + 1), fraction)) {
            return false;
        }
        whole = whole * 100 + fraction;
    }
    if (whole > INT32_MAX) return false;
    value = static_cast<int32_t>(whole);
    return true;
}

std::string formatValue(int32_t value, bool time) {
    return time ? formatHundredths(value) : std::to_string(value);
}

// "YYYY-MM-DD" with a month and a day that can be.
bool isDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (const size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    const int month = std::atoi(text.c_str() + 5), day = std::atoi(text.c_str() + 8);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// Whether the text holds no control character, which would break or end a line.
bool isPlain(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 32) return false;
    }
    return true;
}

// The player's name as a best keeps it: cut short, any control character made a space.
std::string keptPlayer(const std::string& player) {
    std::string kept = player.substr(0, Progress::kMaxPlayer);
    for (char& c : kept) {
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    }
    return kept;
}

// Every best of the record that the run beats becomes the run's.
NewBests beatBests(LevelRecord& record, const LevelRun& run, const std::string& player,
                   const std::string& date) {
    NewBests bests;
    for (const BestKind& kind : kBestKinds) {
        LevelBest& best = record.*kind.best;
        // A hint can cost more than a level gives, and a clock run backwards can end
        // below 0; neither is a best below nothing.
        const int32_t value = std::max(run.*kind.run, 0);
        const bool beaten = !best.held() || (kind.lowerIsBetter ? value < best.value : value > best.value);
        if (!beaten) continue;
        best = LevelBest{value, player, date};
        bests.*kind.isNew = true;
    }
    return bests;
}

}  // namespace

std::string formatHundredths(int32_t hundredths) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

std::string todaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local)) std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

bool Progress::reached(int32_t index, const std::vector<std::string>& levels) const {
    if (index < 0 || index >= static_cast<int32_t>(levels.size())) return false;
    return index == 0 || reached_.count(levels[static_cast<size_t>(index)]) > 0;
}

int32_t Progress::furthest(const std::vector<std::string>& levels) const {
    for (int32_t index = static_cast<int32_t>(levels.size()) - 1; index > 0; --index) {
        if (reached(index, levels)) return index;
    }
    return 0;
}

const LevelRecord* Progress::record(const std::string& level) const {
    const auto found = records_.find(level);
    return found == records_.end() ? nullptr : &found->second;
}

NewBests Progress::complete(int32_t index, const std::vector<std::string>& levels, const LevelRun& run,
                            const std::string& player, const std::string& date) {
    if (index < 0 || index >= static_cast<int32_t>(levels.size())) return NewBests();
    const std::string& level = levels[static_cast<size_t>(index)];
    NewBests bests;
    if (records_.size() < static_cast<size_t>(kMaxLevels) || records_.count(level) > 0)
        bests = beatBests(records_[level], run, keptPlayer(player), date);
    const size_t next = static_cast<size_t>(index) + 1;
    const bool opened = next < levels.size() && reached_.size() < static_cast<size_t>(kMaxLevels) &&
                        reached_.insert(levels[next]).second;
    if (opened || bests.any()) ++revision_;
    return bests;
}

int32_t Progress::read(InBuffer& in) {
    LineReader lines(in);
    int32_t damaged = 0;
    for (std::string line; lines.next(line);) {
        if (!lines.tooLong() && (line.empty() || line[0] == '#')) continue;
        if (!lines.tooLong() && readLine(line)) continue;
        LOG_ERROR("Damaged progress in " << in.name() << " line " << lines.number());
        ++damaged;
    }
    return damaged;
}

bool Progress::readLine(const std::string& line) {
    size_t at = 0;
    const std::string word = nextWord(line, at);
    const std::string level = nextWord(line, at);
    if (!isLevelName(level)) return false;
    if (word == kReached) {
        if (at <= line.size() ||
            (reached_.size() >= static_cast<size_t>(kMaxLevels) && !reached_.count(level)))
            return false;
        reached_.insert(level);
        return true;
    }
    const BestKind* kind = kindNamed(word);
    LevelBest best;
    if (!kind || !parseValue(nextWord(line, at), kind->time, best.value)) return false;
    best.date = nextWord(line, at);
    if (!isDate(best.date)) return false;
    if (at < line.size()) best.player = line.substr(at);
    if (best.player.size() > kMaxPlayer || !isPlain(best.player)) return false;
    if (records_.size() >= static_cast<size_t>(kMaxLevels) && records_.count(level) == 0) return false;
    records_[level].*kind->best = best;
    return true;
}

bool Progress::write(OutBuffer& out) const {
    std::string text = kHeader;
    for (const std::string& level : reached_) text += std::string(kReached) + " " + level + "\n";
    for (const auto& [level, record] : records_) {
        for (const BestKind& kind : kBestKinds) {
            const LevelBest& best = record.*kind.best;
            if (!best.held()) continue;
            text += std::string(kind.word) + " " + level + " " + formatValue(best.value, kind.time) + " " +
                    best.date + " " + best.player + "\n";
        }
    }
    return out.write(text.data(), static_cast<int32_t>(text.size())) == static_cast<int32_t>(text.size());
}

}  // namespace nimbus
