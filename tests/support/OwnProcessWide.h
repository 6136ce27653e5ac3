#pragma once

#include "core/ProcessWide.h"

namespace nimbus {

// The test's own object made process-wide while the holder lives; the old one put back after.
template <typename T>
class OwnProcessWide {
public:
    OwnProcessWide() : previous_(ProcessWide<T>::set(&object_)) {}
    ~OwnProcessWide() { ProcessWide<T>::set(previous_); }
    OwnProcessWide(const OwnProcessWide&) = delete;
    OwnProcessWide& operator=(const OwnProcessWide&) = delete;

    T& operator*() { return object_; }
    T* operator->() { return &object_; }

private:
    T object_;
    T* previous_;
};

}  // namespace nimbus
