#include "game/HighScoreFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/Log.h"
#include "core/posix/FileInBuffer.h"
#include "core/posix/FileOutBuffer.h"
#include "game/rules/HighScoreList.h"

namespace nimbus {

namespace {

constexpr const char* kGameFolder = "/nimbus";

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

// Creates every missing folder of an absolute path; false (logged) when one cannot be.
bool makeDirectories(const std::string& directory) {
    for (size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
        const std::string prefix = directory.substr(0, slash);
        struct stat existing;
        const bool present = ::stat(prefix.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode);
        if (!present && ::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) {
            LOG_ERROR("Failed to create the folder " << prefix << " - " << systemErrorString(errno));
            return false;
        }
        if (slash == std::string::npos) return true;
    }
}

}  // namespace

HighScoreFile HighScoreFile::forData(const std::string& dataDirectory, HighScorePlace place) {
    if (place == HighScorePlace::BesideWritableData && ::access(dataDirectory.c_str(), W_OK) == 0) {
        return HighScoreFile(dataDirectory);
    }
    return HighScoreFile(userDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}

std::string HighScoreFile::userDirectory(const char* xdgDataHome, const char* home) {
    if (isAbsolute(xdgDataHome)) return std::string(xdgDataHome) + kGameFolder;
    if (isAbsolute(home)) return std::string(home) + "/.local/share" + kGameFolder;
    return std::string();
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
    if (directory_.empty()) {
        LOG_ERROR("The high scores cannot be saved: neither XDG_DATA_HOME nor HOME names a folder");
        return false;
    }
    if (!makeDirectories(directory_)) return false;
    const std::string name = directory_ + "/" + kFileName;
    FileOutBuffer out;
    if (!out.open(name)) {
        LOG_ERROR("Failed to create " << name << " - " << systemErrorString(errno));
        return false;
    }
    if (list.write(out) && out.close()) return true;
    LOG_ERROR("Failed to save the high scores to " << name << "; the previous table is kept");
    return false;
}

}  // namespace nimbus
