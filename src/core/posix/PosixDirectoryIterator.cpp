#include "core/posix/PosixDirectoryIterator.h"

#include <sys/stat.h>

#include <cstring>

namespace nimbus {

namespace {

// Seconds between 1601-01-01 and 1970-01-01, and the 100 ns ticks of a second.
constexpr int64_t kEpochOffset = 11644473600LL;
constexpr int64_t kTicksPerSecond = 10000000LL;

int64_t fileTime(const struct timespec& t) {
    return (static_cast<int64_t>(t.tv_sec) + kEpochOffset) * kTicksPerSecond + t.tv_nsec / 100;
}

}  // namespace

bool statNative(const std::string& native, DirectoryEntry& entry) {
    struct stat info;
    if (::stat(native.c_str(), &info) != 0) return false;
    entry.created = fileTime(info.st_ctim);
    entry.accessed = fileTime(info.st_atim);
    entry.modified = fileTime(info.st_mtim);
    entry.size = static_cast<uint32_t>(info.st_size);
    if (S_ISDIR(info.st_mode)) entry.type = EntryType::Directory;
    if (S_ISREG(info.st_mode)) entry.type = EntryType::File;
    return true;
}

PosixDirectoryIterator::PosixDirectoryIterator(const Path& absoluteRoot, const Path& listed, DIR* stream,
                                               const std::string& first)
    : root_(absoluteRoot), listed_(listed), stream_(stream), currentName_(first) {}

PosixDirectoryIterator::~PosixDirectoryIterator() {
    if (stream_) ::closedir(stream_);
}

bool PosixDirectoryIterator::nextName(DIR* stream, std::string& name) {
    while (const dirent* entry = ::readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        name = entry->d_name;
        return true;
    }
    return false;
}

bool PosixDirectoryIterator::advance() {
    if (!stream_) return false;
    if (nextName(stream_, currentName_)) return true;
    ::closedir(stream_);
    stream_ = nullptr;
    return false;
}

bool PosixDirectoryIterator::current(DirectoryEntry& entry) {
    if (!stream_) return false;
    const Path rooted = join(listed_, Path::fromNative(currentName_));
    statNative(rooted.toNative(), entry);
    // Both sides carry a leading "/", so a relative archive root lists correctly too.
    const Path full = join("/", rooted.normalise());
    entry.name = join("/", relative(root_, full));
    return true;
}

}  // namespace nimbus
