#pragma once

#include <functional>
#include <map>

#include "core/memory/AllocationRecord.h"
#include "core/memory/CustomStlAllocator.h"

namespace nimbus {

// The live blocks by their caller address, with a running sequence number. Its own
// memory comes from malloc, never from the tracked operators.
class MemoryTracker {
public:
    ~MemoryTracker();
    // Records a block; a range already present leaves the map and counter unchanged.
    void add(AllocationRecord record);
    // The record of a caller address, or null.
    const AllocationRecord* find(const void* begin) const;
    // Forgets a block, freeing its tag copy.
    void remove(const void* begin);
    unsigned counter() const { return counter_; }
    size_t liveBlocks() const { return records_.size(); }
    // The callers' bytes of the live blocks, without guards and bookkeeping.
    size_t liveBytes() const { return liveBytes_; }

private:
    using Map = std::map<const void*, AllocationRecord, std::less<const void*>,
                         CustomStlAllocator<std::pair<const void* const, AllocationRecord>>>;
    Map records_;
    unsigned counter_ = 0;
    size_t liveBytes_ = 0;
};

}  // namespace nimbus
