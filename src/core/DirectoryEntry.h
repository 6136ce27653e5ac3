#pragma once

#include <cstdint>

#include "core/Path.h"

namespace nimbus {

enum class EntryType : int32_t { Unknown = 0, File = 1, Directory = 2 };

// What listing and attribute queries report. Times are 100 ns ticks since 1601-01-01.
struct DirectoryEntry {
    Path name;  // "/" + the path relative to the archive root
    int64_t created = 0;
    int64_t accessed = 0;
    int64_t modified = 0;
    uint32_t size = 0;  // low 32 bits
    EntryType type = EntryType::Unknown;
};

}  // namespace nimbus
