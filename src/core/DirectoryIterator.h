#pragma once

#include "core/DirectoryEntry.h"

namespace nimbus {

// Walks one directory listing; created positioned on the first entry.
class DirectoryIterator {
public:
    virtual ~DirectoryIterator() = default;
    // Moves to the next entry; false once exhausted.
    virtual bool advance() = 0;
    // Fills the current entry without moving; false once exhausted.
    virtual bool current(DirectoryEntry& entry) = 0;
};

}  // namespace nimbus
