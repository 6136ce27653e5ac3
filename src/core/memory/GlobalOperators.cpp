// Every form of the global allocation operators, routed through the tracking manager so
// that each block is released by the function matching the one that made it.
#include <cstddef>
#include <new>

#include "core/memory/MemoryManager.h"

namespace {

void* allocateOrThrow(std::size_t size, std::size_t alignment, int line, bool array) {
    void* p = nimbus::MemoryManager::instance().allocate(size, alignment, __FILE__, line, "", array);
    if (!p) throw std::bad_alloc();
    return p;
}

void* allocateOrNull(std::size_t size, std::size_t alignment, int line, bool array) noexcept {
    return nimbus::MemoryManager::instance().allocate(size, alignment, __FILE__, line, "", array);
}

void release(void* p) noexcept {
    if (p) nimbus::MemoryManager::instance().release(p);
}

constexpr std::size_t kDefault = 16;

}  // namespace

void* operator new(std::size_t size) { return allocateOrThrow(size, kDefault, __LINE__, false); }
void* operator new[](std::size_t size) { return allocateOrThrow(size, kDefault, __LINE__, true); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, kDefault, __LINE__, false);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, kDefault, __LINE__, true);
}
void* operator new(std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a), __LINE__, false);
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return allocateOrThrow(size, static_cast<std::size_t>(a), __LINE__, true);
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(a), __LINE__, false);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateOrNull(size, static_cast<std::size_t>(a), __LINE__, true);
}

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { release(p); }
void operator delete(void* p, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { release(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { release(p); }
