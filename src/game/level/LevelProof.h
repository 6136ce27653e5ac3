#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace nimbus {

struct LevelSource;
struct SearchSignals;

// What proving a level found: that it can be won, with the numbers its maker judges it
// by, or why not ("FILE:LINE: reason" for a source that does not read, else why it
// cannot be won).
struct LevelProof {
    // The most states a proof searches: a level that needs more is not proven. It bounds
    // the memory and the time a proof takes (see bench/levels_bench.cpp).
    static constexpr size_t kStateLimit = 500000;

    bool proven = false;
    std::string reason;
    int32_t commands = 0;          // of the shortest win
    int32_t frames = 0;            // until the shortest win is complete
    int32_t slackHundredths = -1;  // the most a player may be late at the tightest command; -1 unlimited
    int32_t paceHundredths = -1;   // the most a player may spare before every command; -1 unlimited
    int64_t states = 0;            // searched

    // "14 moves, won at 9.53 s, slack 0.40 s, pace 0.12 s" for a proven level, in the
    // player's language, else the reason.
    std::string summary() const;
    // One line that fromLine reads back as the same proof.
    std::string line() const;
    // Reads a line written by line(); false, leaving `proof` as it was, for anything else.
    static bool fromLine(const std::string& text, LevelProof& proof);
    bool operator==(const LevelProof& o) const;
};

// Proves a level from its text, named `name` in reasons: it must read as a whole level,
// leave no place where the die can be stranded, and have a win the solver finds within
// `stateLimit` states. `signals` may stop the search (the proof then says so) and follow
// it. Safe on a worker thread: it logs nothing. The level read goes to `level` when given.
LevelProof proveLevel(const std::string& text, const std::string& name, SearchSignals* signals,
                      size_t stateLimit = LevelProof::kStateLimit, LevelSource* level = nullptr);

}  // namespace nimbus
