#pragma once

namespace nimbus {

// What the tracker knows of one live block.
struct AllocationRecord {
    enum Flags : unsigned { Array = 1u, Guarded = 2u };

    char* begin = nullptr;  // the caller's first byte
    char* end = nullptr;    // one past the caller's bytes
    const char* file = "";  // not copied
    char* tag = nullptr;    // a copy of its own, or null
    int line = 0;
    unsigned flags = 0;
    unsigned sequence = 0;
    char* block = nullptr;  // what the platform allocator returned
};

}  // namespace nimbus
