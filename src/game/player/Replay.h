#pragma once

#include <cstdint>
#include <string>

#include "game/rules/RunRecording.h"

namespace nimbus {

class InBuffer;
class OutBuffer;

// What a replay says about its run before anyone plays it.
struct ReplayHeader {
    std::string gameVersion;
    // The level's folder name (the run holds the level's hash).
    std::string levelName;
    std::string playerName;
    // The points the run gained on its level, and the seconds it took.
    int32_t score = 0;
    double seconds = 0.0;
    // When it was played, in seconds since 1970 (UTC).
    int64_t date = 0;
};

// A recorded run of a level with its header, and the one reader and writer of the
// replay file. The file, little-endian throughout, strings ending in a zero byte:
//
//   the marker "NBREPLAY", the format version (32 bits),
//   the game's version, the level's name, the level's hash (64 bits), the player's name,
//   the score (32 bits), the seconds (64-bit float), the date (64 bits),
//   the stats at the start: score, lives, multiplier (32 bits each), combo timer (float),
//   the counts of steps and of events (32 bits each),
//   each step (float), each event (frame, kind, then the command's kind, x and y, or the
//   points and two zeros: five times 32 bits),
//   and the hash (ByteHash) of every byte before it (64 bits).
//
// The reader refuses, with one error line naming the source and why, a file that is not
// a replay, one of another format version, a truncated or damaged one, and one beyond
// kMaxBytes (before reading it, when it comes from a file); it never trusts a count
// before the size and the hash agree with it.
struct Replay {
    static constexpr uint32_t kFormatVersion = 1;
    // Far beyond an hour of play at 144 frames a second.
    static constexpr int32_t kMaxBytes = 16 << 20;

    ReplayHeader header;
    RunRecording run;

    bool write(OutBuffer& out) const;
    bool read(InBuffer& in);
    // Reads the file `path`.
    bool load(const std::string& path);
    // Whether the run was recorded on the level whose map has `levelHash` now; refused
    // with one line naming `source` when the level has changed since.
    bool fitsLevel(uint64_t levelHash, const std::string& source) const;
};

}  // namespace nimbus
