#pragma once

#include "core/OutArchive.h"
#include "core/Path.h"

namespace nimbus {

// The output archive over a native directory; files are saved atomically
// (see FileOutBuffer).
class PosixOutArchive : public OutArchive {
public:
    explicit PosixOutArchive(const Path& root) : root_(root) {}
    const char* root() const override { return root_.c_str(); }
    OutBuffer* open(const Path& path) override;

private:
    Path root_;
};

}  // namespace nimbus
