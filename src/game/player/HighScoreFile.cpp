#include "game/player/HighScoreFile.h"

#include "core/OutBuffer.h"
#include "core/posix/FileInBuffer.h"
#include "game/rules/HighScoreList.h"

namespace nimbus {

namespace {
constexpr const char* kDataHomeFallback = "/.local/share";
}  // namespace

HighScoreFile HighScoreFile::forData(const std::string& dataDirectory, HighScorePlace place) {
    return HighScoreFile(playerFileDirectory(dataDirectory, place, "XDG_DATA_HOME", kDataHomeFallback));
}

std::string HighScoreFile::userDirectory(const char* xdgDataHome, const char* home) {
    return playerDirectory(xdgDataHome, home, kDataHomeFallback);
}

bool HighScoreFile::load(HighScoreList& list) const {
    FileInBuffer in;
    // A damaged file is reported by the reader and, like a missing one, gives the defaults.
    const bool read = !directory_.empty() && in.open(directory_ + "/" + kFileName) && list.read(in);
    if (!read) list.fillDefaults();
    list.forgetNewest();
    return read;
}

bool HighScoreFile::save(const HighScoreList& list) const {
    return savePlayerFile(directory_, kFileName, "high scores",
                          [&](OutBuffer& out) { return list.write(out); });
}

}  // namespace nimbus
