#include "core/memory/MemoryManager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

namespace nimbus {

namespace {

MemoryManager* gManager = nullptr;
// The game's hint search allocates on a worker thread; the tracker's map is shared.
std::mutex gLock;
constexpr size_t kGuardSize = 4;

char* copyTag(const char* tag) {
    if (!tag || !*tag) return nullptr;
    const size_t size = std::strlen(tag) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy) std::memcpy(copy, tag, size);
    return copy;
}

unsigned readWord(const char* at) {
    unsigned word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

void writeWord(char* at, unsigned word) { std::memcpy(at, &word, sizeof word); }

}  // namespace

MemoryManager& MemoryManager::instance() {
    if (!gManager) {
        void* storage = std::malloc(sizeof(MemoryManager));
        if (!storage) std::abort();
        gManager = new (storage) MemoryManager;
    }
    return *gManager;
}

void* MemoryManager::allocate(size_t size, size_t alignment, const char* file, int line, const char* tag,
                              bool array) {
    // The caller's bytes start one alignment step into the block, so the guard word in
    // front of them fits and they keep the alignment.
    if (alignment < 16) alignment = 16;
    if (size > static_cast<size_t>(-1) - alignment - kGuardSize) return nullptr;
    void* raw = nullptr;
    if (posix_memalign(&raw, alignment, alignment + size + kGuardSize) != 0) return nullptr;
    char* block = static_cast<char*>(raw);
    char* begin = block + alignment;
    writeWord(begin - kGuardSize, kGuard);
    writeWord(begin + size, kGuard);

    AllocationRecord record;
    const std::lock_guard<std::mutex> hold(gLock);
    record.begin = begin;
    record.end = begin + size;
    record.file = file;
    record.tag = copyTag(tag);
    record.line = line;
    record.flags = AllocationRecord::Guarded | (array ? AllocationRecord::Array : 0u);
    record.block = block;
    tracker_.add(record);
    return begin;
}

void MemoryManager::release(void* pointer) {
    if (!pointer) return;
    std::unique_lock<std::mutex> hold(gLock);
    const AllocationRecord* found = tracker_.find(pointer);
    if (!found) return;  // not ours: freeing it would be worse than keeping it
    const AllocationRecord record = *found;
    tracker_.remove(pointer);
    hold.unlock();
    const bool intact = !(record.flags & AllocationRecord::Guarded) ||
                        (readWord(record.begin - kGuardSize) == kGuard && readWord(record.end) == kGuard);
    std::free(record.block);
    if (!intact) {
        // The log may already be gone, so the report goes to standard error directly.
        char report[1024];
        std::snprintf(report, sizeof report, "Memory from %s(%i)\n", record.file, record.line);
        std::fputs(report, stderr);
    }
}

bool shutdownMemoryManager() {
    if (!gManager) return true;
    gManager->~MemoryManager();
    std::free(gManager);
    gManager = nullptr;
    return true;
}

}  // namespace nimbus
