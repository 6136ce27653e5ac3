#include "game/player/PlayerFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/Log.h"
#include "core/posix/FileOutBuffer.h"
#include "game/DataLayout.h"

namespace nimbus {

namespace {

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

std::string playerDirectory(const char* xdgHome, const char* home, const char* homeFallback) {
    if (isAbsolute(xdgHome)) return std::string(xdgHome) + "/" + kPlayerFolder;
    if (isAbsolute(home)) return std::string(home) + "/" + homeFallback + "/" + kPlayerFolder;
    return std::string();
}

std::string playerFileDirectory(const std::string& dataDirectory, HighScorePlace place,
                                const PlayerHome& playerHome) {
    if (place == HighScorePlace::BesideWritableData && ::access(dataDirectory.c_str(), W_OK) == 0) {
        return dataDirectory;
    }
    return playerDirectory(std::getenv(playerHome.variable), std::getenv("HOME"), playerHome.fallback);
}

bool savePlayerFile(const std::string& directory, const char* fileName, const char* what,
                    const std::function<bool(OutBuffer&)>& write) {
    if (directory.empty()) {
        LOG_ERROR("The " << what << " cannot be saved: neither the XDG variable nor HOME names a folder");
        return false;
    }
    if (!makeDirectories(directory)) return false;
    const std::string name = directory + "/" + fileName;
    FileOutBuffer out;
    if (!out.open(name)) {
        LOG_ERROR("Failed to create " << name << " - " << systemErrorString(errno));
        return false;
    }
    if (write(out) && out.close()) return true;
    LOG_ERROR("Failed to save the " << what << " to " << name << "; the previous file is kept");
    return false;
}

}  // namespace nimbus
