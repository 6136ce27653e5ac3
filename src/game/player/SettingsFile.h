#pragma once

#include <string>

#include "game/player/PlayerFiles.h"

namespace nimbus {

struct Settings;

// Where the settings live: beside the game data when that is allowed and the folder can
// be written (a build tree, the tests, the gallery and the benchmarks), otherwise in the
// player's configuration folder ($XDG_CONFIG_HOME/nimbus, or ~/.config/nimbus), created
// on the first save. Saving replaces the old file only once the new one is complete.
class SettingsFile {
public:
    // The settings of the data directory `dataDirectory`, placed as described above.
    static SettingsFile forData(const std::string& dataDirectory,
                                HighScorePlace place = HighScorePlace::BesideWritableData);

    explicit SettingsFile(std::string directory) : directory_(std::move(directory)) {}

    // Reads the file over the values held (Settings::read); false, the values untouched,
    // when there is no file to read.
    bool load(Settings& settings) const;
    // False (logged) when the file cannot be written.
    bool save(const Settings& settings) const;
    const std::string& directory() const { return directory_; }

private:
    std::string directory_;
};

}  // namespace nimbus
