#pragma once

#include <cstddef>

#include "core/memory/MemoryTracker.h"

namespace nimbus {

// The process-wide tracking allocator behind the replaced global operators. Every block
// is aligned (16 bytes or more), fenced by a guard word on each side and recorded with
// its source location and a sequence number; a release checks both guards, reports
// "Memory from file(line)" on standard error when one changed, and frees the block all
// the same. Blocks may be made and released on any thread; created by the first
// allocation (before any second thread starts), shut down last.
class MemoryManager {
public:
    static constexpr unsigned kGuard = 0x0DF0ADBAu;

    // The manager, created with malloc on first use.
    static MemoryManager& instance();

    // A guarded block of `size` bytes aligned to `alignment` (at least 16); null when the
    // platform has no memory left.
    void* allocate(size_t size, size_t alignment, const char* file, int line, const char* tag, bool array);
    // Checks the guards and frees; a null or unknown pointer is left alone.
    void release(void* pointer);
    const MemoryTracker& tracker() const { return tracker_; }

private:
    MemoryManager() = default;
    ~MemoryManager() = default;
    friend bool shutdownMemoryManager();

    MemoryTracker tracker_;
};

// The final teardown: frees the manager's bookkeeping; blocks never released stay
// allocated and nothing is reported about them. Returns true.
bool shutdownMemoryManager();

}  // namespace nimbus
