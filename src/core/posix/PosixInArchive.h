#pragma once

#include "core/InArchive.h"

namespace nimbus {

// The input archive over a native directory.
class PosixInArchive : public InArchive {
public:
    // The root is normalised; it may be relative to the working directory.
    explicit PosixInArchive(const Path& root);
    PosixInArchive(const PosixInArchive&) = delete;
    PosixInArchive& operator=(const PosixInArchive&) = delete;

    const char* root() const override { return root_.c_str(); }
    DirectoryIterator* list(const Path& directory) override;
    bool stat(DirectoryEntry& entry, const Path& path) override;
    InBuffer* open(const Path& path) override;

private:
    Path root_;
};

}  // namespace nimbus
