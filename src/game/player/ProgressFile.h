#pragma once

#include <string>

#include "game/player/PlayerFiles.h"

namespace nimbus {

class Progress;

// Where the player's progress lives: in the folder of the high-score table, placed as
// that is. Saving replaces the old file only once the new one is complete. A file found
// damaged is read for what is good in it and, before the first save replaces it, kept
// aside as "progress.damaged" (a newer damaged file replaces an older one there): what a
// player had is never overwritten unseen.
class ProgressFile {
public:
    // The progress of the data directory `dataDirectory`, beside its high-score table.
    static ProgressFile forData(const std::string& dataDirectory,
                                HighScorePlace place = HighScorePlace::BesideWritableData);

    explicit ProgressFile(std::string directory) : directory_(std::move(directory)) {}

    // Reads the file over the progress held (Progress::read); false, the progress
    // untouched, when there is no file to read.
    bool load(Progress& progress);
    // False (logged) when the file cannot be written, or a damaged one not kept aside.
    bool save(const Progress& progress);
    const std::string& directory() const { return directory_; }

private:
    bool keepDamagedAside();

    std::string directory_;
    bool damaged_ = false;
};

}  // namespace nimbus
