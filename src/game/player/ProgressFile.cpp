#include "game/player/ProgressFile.h"

#include <unistd.h>

#include <cerrno>

#include "core/Log.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "game/player/HighScoreFile.h"
#include "game/player/Progress.h"

namespace nimbus {

ProgressFile ProgressFile::forData(const std::string& dataDirectory, HighScorePlace place) {
    return ProgressFile(HighScoreFile::forData(dataDirectory, place).directory());
}

bool ProgressFile::load(Progress& progress) {
    FileInBuffer in;
    if (directory_.empty() || !in.open(directory_ + "/" + kProgressFile)) return false;
    damaged_ = progress.read(in) > 0;
    return true;
}

bool ProgressFile::save(const Progress& progress) {
    if (damaged_ && !keepDamagedAside()) return false;
    return savePlayerFile(directory_, kProgressFile, "progress",
                          [&](OutBuffer& out) { return progress.write(out); });
}

bool ProgressFile::keepDamagedAside() {
    const std::string file = directory_ + "/" + kProgressFile;
    const std::string aside = directory_ + "/" + kDamagedProgressFile;
    ::unlink(aside.c_str());
    // A second name for the file keeps it whole however the save ends; a file system
    // without such names gets it moved.
    if (::link(file.c_str(), aside.c_str()) != 0 && ::rename(file.c_str(), aside.c_str()) != 0 &&
        errno != ENOENT) {
        LOG_ERROR("Failed to keep the damaged " << file << " as " << aside << " - "
                                                << systemErrorString(errno));
        return false;
    }
    damaged_ = false;
    return true;
}

}  // namespace nimbus
