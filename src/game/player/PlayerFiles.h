#pragma once

#include <functional>
#include <string>

#include "game/DataLayout.h"

namespace nimbus {

class OutBuffer;

// Where a game keeps what the player leaves behind (the high-score table, the settings):
// a build tree's data may keep it beside itself, while an installed game, or data the
// player pointed at, never has its folder written.
enum class HighScorePlace { BesideWritableData, PlayerFolder };

// The per-player folder of the game: the game's folder in `xdgHome` when that is absolute
// (a relative one is ignored, as the XDG rules ask), else in `home`/`homeFallback`; empty
// when neither gives an absolute folder. The values are the environment's (null when
// unset).
std::string playerDirectory(const char* xdgHome, const char* home, const char* homeFallback);

// The folder for a file of the data directory `dataDirectory`: the data directory itself
// when `place` allows it and it can be written, else the player's folder in `playerHome`
// (from its environment variable and HOME) as above.
std::string playerFileDirectory(const std::string& dataDirectory, HighScorePlace place,
                                const PlayerHome& playerHome);

// Writes `fileName` in `directory`, creating the folder first, through a temporary file
// that replaces the old one only once `write` has succeeded: a failed or interrupted
// save leaves the old file as it was. False, with one error line naming `what`, when it
// cannot.
bool savePlayerFile(const std::string& directory, const char* fileName, const char* what,
                    const std::function<bool(OutBuffer&)>& write);

}  // namespace nimbus
