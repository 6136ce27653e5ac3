#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/InArchive.h"

namespace nimbus {

// The input archive over a native directory. Watching uses one inotify descriptor,
// polled without blocking, with one watch per directory; only writes count as changes
// (files added, removed or renamed are ignored), and a file named several times in one
// batch runs its callback once.
class PosixInArchive : public InArchive {
public:
    // The root is normalised; it may be relative to the working directory.
    explicit PosixInArchive(const Path& root);
    ~PosixInArchive() override;
    PosixInArchive(const PosixInArchive&) = delete;
    PosixInArchive& operator=(const PosixInArchive&) = delete;

    const char* root() const override { return root_.c_str(); }
    DirectoryIterator* list(const Path& directory) override;
    bool stat(DirectoryEntry& entry, const Path& path) override;
    InBuffer* open(const Path& path) override;
    bool watch(const Path& file, Callback2 callback) override;
    int poll() override;

private:
    struct WatchedDirectory {
        Path directory;  // archive path
        Path fullPath;   // rooted path
        int descriptor;  // inotify watch descriptor
    };

    const WatchedDirectory* findWatch(int descriptor) const;

    Path root_;
    std::map<Path, Callback2> callbacks_;
    std::vector<WatchedDirectory> watched_;
    int notify_ = -1;
};

}  // namespace nimbus
