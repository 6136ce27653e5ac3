#pragma once

#include <string>

namespace nimbus {

struct Replay;

// The player's best run of each level, kept beside the player's other files:
// "<player folder>/replays/<level name>.replay", each written whole or not at all.
class ReplayFolder {
public:
    ReplayFolder() = default;
    // `playerDirectory` is where the high-score table lives; empty keeps nothing.
    explicit ReplayFolder(std::string playerDirectory);

    std::string fileOf(const std::string& levelName) const;
    // Whether a file is kept for the level, be it good or not.
    bool has(const std::string& levelName) const;
    // The level's replay, when there is one recorded on the level as its map now is
    // (`levelHash`). False without a line when there is none; false with one line when
    // the file is refused.
    bool load(const std::string& levelName, uint64_t levelHash, Replay& replay) const;
    // Keeps the replay as its level's (header.levelName). False (logged) when it cannot.
    bool save(const Replay& replay) const;
    // Whether a completed run is worth keeping: it scored more than the level's kept run,
    // or as much in less time, or there is no kept run that still fits the level.
    bool isNewBest(const Replay& run) const;

private:
    std::string directory_;
};

}  // namespace nimbus
