#include "core/memory/MemoryTracker.h"

#include <cstdlib>

namespace nimbus {

MemoryTracker::~MemoryTracker() {
    for (auto& entry : records_) std::free(entry.second.tag);
}

void MemoryTracker::add(AllocationRecord record) {
    record.sequence = counter_;
    if (records_.emplace(record.begin, record).second) {
        ++counter_;
        liveBytes_ += static_cast<size_t>(record.end - record.begin);
    } else {
        std::free(record.tag);
    }
}

const AllocationRecord* MemoryTracker::find(const void* begin) const {
    const auto entry = records_.find(begin);
    return entry == records_.end() ? nullptr : &entry->second;
}

void MemoryTracker::remove(const void* begin) {
    const auto entry = records_.find(begin);
    if (entry == records_.end()) return;
    std::free(entry->second.tag);
    liveBytes_ -= static_cast<size_t>(entry->second.end - entry->second.begin);
    records_.erase(entry);
}

}  // namespace nimbus
