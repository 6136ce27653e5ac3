#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace nimbus {

class InBuffer;
class OutBuffer;

// One best of a level: its value, the player who set it and the day ("YYYY-MM-DD"). A
// value below 0 is no best yet.
struct LevelBest {
    int32_t value = -1;
    std::string player;
    std::string date;

    bool held() const { return value >= 0; }
};

// The bests of a level: the highest score of the level alone, the shortest time on the
// level clock (hundredths of a second) and the fewest commands.
struct LevelRecord {
    LevelBest score;
    LevelBest time;
    LevelBest commands;
};

// What completing a level once gave, measured as the bests are.
struct LevelRun {
    int32_t score = 0;
    int32_t hundredths = 0;
    int32_t commands = 0;
};

// Which bests a run set.
struct NewBests {
    bool score = false;
    bool time = false;
    bool commands = false;

    bool any() const { return score || time || commands; }
};

// A time in hundredths of a second as seconds with two decimals: 1235 reads "12.35".
std::string formatHundredths(int32_t hundredths);
// Today where the player is, as a best records its day: "YYYY-MM-DD".
std::string todaysDate();

// How far a player has come and what they did best, by level name, kept from one run of
// the game to the next. The first level is always reached; any other once the level
// before it has been completed, in a practice or in an arcade run. Records of levels the
// game no longer has are kept as they are.
//
// The text form is a line a fact, a person can read it:
//   reached 02
//   score 01 1250 2026-05-01 Mira Quill      (the level, the best, the day, the player)
//   time 01 12.35 2026-05-01 Mira Quill      (seconds with two decimals)
//   commands 01 9 2026-05-01 Mira Quill
// Blank lines and lines starting with "#" are passed over. A damaged line (an unknown
// word, a bad level name, a number that is not one, negative or beyond 32 bits, a day
// that is not one, a player's name too long or with a control character, a line too
// long) is reported with one error line naming the source
// and skipped; the rest is kept.
class Progress {
public:
    // The longest player name kept, in bytes.
    static constexpr size_t kMaxPlayer = 64;

    // Whether the level at `index` of `levels` can be played.
    bool reached(int32_t index, const std::vector<std::string>& levels) const;
    // The last level of `levels` that can be played; 0 for none.
    int32_t furthest(const std::vector<std::string>& levels) const;
    // The bests of the level, or null when it has none.
    const LevelRecord* record(const std::string& level) const;

    // Records a completion of the level at `index` of `levels` by `player` on `date`:
    // every best it beats, and the next level reached. Says which bests it set.
    NewBests complete(int32_t index, const std::vector<std::string>& levels, const LevelRun& run,
                      const std::string& player, const std::string& date);
    // Counts the changes, so that a keeper sees at a glance whether there is anything new
    // to save.
    uint32_t revision() const { return revision_; }

    // Adds the facts of the input's good lines; returns how many lines were damaged.
    int32_t read(InBuffer& in);
    // False when the sink refuses bytes.
    bool write(OutBuffer& out) const;

private:
    bool readLine(const std::string& line);

    std::set<std::string> reached_;
    std::map<std::string, LevelRecord> records_;
    uint32_t revision_ = 0;
};

}  // namespace nimbus
