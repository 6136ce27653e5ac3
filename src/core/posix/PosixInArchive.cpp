#include "core/posix/PosixInArchive.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <set>

#include "core/Log.h"
#include "core/posix/FileInBuffer.h"
#include "core/posix/PosixDirectoryIterator.h"

namespace nimbus {

namespace {
constexpr uint32_t kModified = IN_CLOSE_WRITE | IN_MODIFY;
constexpr size_t kChangeBuffer = 4096;
}  // namespace

PosixInArchive::PosixInArchive(const Path& root) : root_(root.normalise()) {}

PosixInArchive::~PosixInArchive() {
    if (notify_ >= 0) ::close(notify_);
}

DirectoryIterator* PosixInArchive::list(const Path& directory) {
    if (!directory.isAbsolute()) return nullptr;
    const Path rooted = join(root_, directory);
    DIR* stream = ::opendir(rooted.toNative().c_str());
    if (!stream) return nullptr;
    std::string first;
    if (!PosixDirectoryIterator::nextName(stream, first)) {
        ::closedir(stream);
        return nullptr;
    }
    return new PosixDirectoryIterator(join("/", root_), rooted, stream, first);
}

bool PosixInArchive::stat(DirectoryEntry& entry, const Path& path) {
    if (!path.isAbsolute()) return false;
    const Path rooted = join(root_, path);
    if (!statNative(rooted.toNative(), entry)) return false;
    entry.name = join("/", relative(join("/", root_), join("/", rooted.normalise())));
    return true;
}

InBuffer* PosixInArchive::open(const Path& path) {
    if (!path.isAbsolute()) return nullptr;
    auto* buffer = new FileInBuffer;
    if (buffer->open(join(root_, path).toNative())) return buffer;
    delete buffer;
    return nullptr;
}

bool PosixInArchive::watch(const Path& file, Callback2 callback) {
    if (!file.isAbsolute()) return false;
    if (!callbacks_.emplace(file, callback).second) return false;
    const Path directory = file.parent();
    const bool known = std::any_of(watched_.begin(), watched_.end(),
                                   [&](const WatchedDirectory& w) { return w.directory == directory; });
    if (known) return true;

    const Path fullPath = join(root_, directory);
    if (notify_ < 0) notify_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    int descriptor = -1;
    if (notify_ >= 0) {
        descriptor = ::inotify_add_watch(notify_, fullPath.toNative().c_str(), kModified | IN_ONLYDIR);
        if (descriptor < 0) {
            LOG_ERROR("Failed to open dir for listening (" << fullPath.toNative() << ") - "
                                                           << systemErrorString(errno));
        }
    }
    if (descriptor < 0) {
        callbacks_.erase(file);
        LOG_ERROR("Failed to watch directory (" << fullPath.toNative() << ")");
        return false;
    }
    watched_.push_back({directory, fullPath, descriptor});
    return true;
}

const PosixInArchive::WatchedDirectory* PosixInArchive::findWatch(int descriptor) const {
    for (const WatchedDirectory& w : watched_) {
        if (w.descriptor == descriptor) return &w;
    }
    return nullptr;
}

int PosixInArchive::poll() {
    if (notify_ < 0) return 0;
    std::set<Path> changed;
    alignas(inotify_event) char buffer[kChangeBuffer];
    for (;;) {
        const ssize_t got = ::read(notify_, buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t offset = 0; offset < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (!(event->mask & kModified) || event->len == 0) continue;
            if (const WatchedDirectory* w = findWatch(event->wd)) {
                changed.insert(join(w->directory, Path::fromNative(event->name)));
            }
        }
    }
    int ran = 0;
    for (const Path& file : changed) {
        const auto callback = callbacks_.find(file);
        if (callback == callbacks_.end()) continue;
        if (InBuffer* contents = open(file)) {
            callback->second(file, *contents);
            delete contents;
            ++ran;
        }
    }
    return ran;
}

}  // namespace nimbus
