#include "game/player/ReplayFolder.h"

#include <sys/stat.h>

#include "core/OutBuffer.h"
#include "game/DataLayout.h"
#include "game/player/PlayerFiles.h"
#include "game/player/Replay.h"

namespace nimbus {

ReplayFolder::ReplayFolder(std::string playerDirectory)
    : directory_(playerDirectory.empty() ? std::string() : playerDirectory + "/" + kReplaysFolder) {}

std::string ReplayFolder::fileOf(const std::string& levelName) const {
    return directory_ + "/" + levelName + kReplayExtension;
}

bool ReplayFolder::has(const std::string& levelName) const {
    struct stat info;
    return !directory_.empty() && ::stat(fileOf(levelName).c_str(), &info) == 0;
}

bool ReplayFolder::load(const std::string& levelName, uint64_t levelHash, Replay& replay) const {
    if (!has(levelName)) return false;
    const std::string file = fileOf(levelName);
    return replay.load(file) && replay.fitsLevel(levelHash, file);
}

bool ReplayFolder::save(const Replay& replay) const {
    const std::string name = replay.header.levelName + kReplayExtension;
    return savePlayerFile(directory_, name.c_str(), "replay",
                          [&](OutBuffer& out) { return replay.write(out); });
}

bool ReplayFolder::isNewBest(const Replay& run) const {
    Replay kept;
    if (!load(run.header.levelName, run.run.levelHash, kept)) return true;
    const ReplayHeader& best = kept.header;
    return run.header.score > best.score ||
           (run.header.score == best.score && run.header.seconds < best.seconds);
}

}  // namespace nimbus
