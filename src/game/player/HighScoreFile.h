#pragma once

#include <string>

#include "game/player/PlayerFiles.h"

namespace nimbus {

class HighScoreList;

// Where the high-score table lives. Beside the game data when that is allowed and the
// directory can be written; otherwise in the player's own data directory
// ($XDG_DATA_HOME/nimbus, or ~/.local/share/nimbus), created on the first save.
// Saving goes through a temporary file that replaces the old table only once it is
// completely written, so a failed or interrupted save leaves the old table as it was.
class HighScoreFile {
public:
    // The table of the data directory `dataDirectory`, placed as described above.
    static HighScoreFile forData(const std::string& dataDirectory,
                                 HighScorePlace place = HighScorePlace::BesideWritableData);
    // The per-player directory from the environment's values (null when unset); a
    // relative XDG_DATA_HOME is ignored, as the XDG rules ask. Empty when neither gives
    // an absolute directory.
    static std::string userDirectory(const char* xdgDataHome, const char* home);

    explicit HighScoreFile(std::string directory) : directory_(std::move(directory)) {}

    // Reads the table; a missing or unreadable file gives the default entries (and false).
    // Either way no entry is the newest: only a score the player sets in this session
    // stands out.
    bool load(HighScoreList& list) const;
    // Writes the table, creating the directory first; false (logged) when it cannot.
    bool save(const HighScoreList& list) const;
    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
};

}  // namespace nimbus
