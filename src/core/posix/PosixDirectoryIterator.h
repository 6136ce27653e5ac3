#pragma once

#include <dirent.h>

#include <string>

#include "core/DirectoryIterator.h"

namespace nimbus {

// Lists one directory with opendir/readdir; "." and ".." never appear.
class PosixDirectoryIterator : public DirectoryIterator {
public:
    // Takes over an open directory stream already positioned on its first real entry.
    PosixDirectoryIterator(const Path& absoluteRoot, const Path& listed, DIR* stream,
                           const std::string& first);
    ~PosixDirectoryIterator() override;
    PosixDirectoryIterator(const PosixDirectoryIterator&) = delete;
    PosixDirectoryIterator& operator=(const PosixDirectoryIterator&) = delete;

    bool advance() override;
    bool current(DirectoryEntry& entry) override;

    // The next entry's name other than "." and ".."; false at the end.
    static bool nextName(DIR* stream, std::string& name);

private:
    Path root_;
    Path listed_;
    DIR* stream_;
    std::string currentName_;
};

// Fills times, size and type of a native file; false when it does not exist.
bool statNative(const std::string& native, DirectoryEntry& entry);

}  // namespace nimbus
