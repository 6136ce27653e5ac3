#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace nimbus {

// A standard allocator that goes straight to malloc and free, so the memory manager's
// own bookkeeping never recurses into the tracked operators.
template <typename T>
struct CustomStlAllocator {
    using value_type = T;

    CustomStlAllocator() = default;
    template <typename U>
    CustomStlAllocator(const CustomStlAllocator<U>&) {}  // NOLINT: rebinding is implicit

    T* allocate(size_t n) {
        if (void* p = std::malloc(n * sizeof(T))) return static_cast<T*>(p);
        std::abort();  // the bookkeeping cannot go on without memory
    }
    void deallocate(T* p, size_t) { std::free(p); }

    template <typename U>
    bool operator==(const CustomStlAllocator<U>&) const {
        return true;
    }
    template <typename U>
    bool operator!=(const CustomStlAllocator<U>&) const {
        return false;
    }
};

}  // namespace nimbus
