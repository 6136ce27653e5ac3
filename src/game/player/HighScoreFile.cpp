#include "game/player/HighScoreFile.h"

#include "core/OutBuffer.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "game/rules/HighScoreList.h"

namespace nimbus {

HighScoreFile HighScoreFile::forData(const std::string& dataDirectory, HighScorePlace place) {
    return HighScoreFile(playerFileDirectory(dataDirectory, place, kPlayerDataHome));
}

std::string HighScoreFile::userDirectory(const char* xdgDataHome, const char* home) {
    return playerDirectory(xdgDataHome, home, kPlayerDataHome.fallback);
}

bool HighScoreFile::load(HighScoreList& list) const {
    FileInBuffer in;
    // A damaged file is reported by the reader and, like a missing one, gives the defaults.
    const bool read = !directory_.empty() && in.open(directory_ + "/" + kHighScoresFile) && list.read(in);
    if (!read) list.fillDefaults();
    list.forgetNewest();
    return read;
}

bool HighScoreFile::save(const HighScoreList& list) const {
    return savePlayerFile(directory_, kHighScoresFile, "high scores",
                          [&](OutBuffer& out) { return list.write(out); });
}

}  // namespace nimbus
