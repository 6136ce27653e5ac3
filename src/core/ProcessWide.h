#pragma once

namespace nimbus {

// The one process-wide object of a class, behind a single global pointer: `get` reads it
// (null when there is none), and `set` installs another and hands back the one it
// replaces, which the caller owns: `delete setCore(next)` installs and deletes the old
// at once, while a test that borrows the place puts the old one back.
template <typename T>
class ProcessWide {
public:
    static T* get() { return object_; }
    static T* set(T* object) {
        T* previous = object_;
        object_ = object;
        return previous;
    }

private:
    static inline T* object_ = nullptr;
};

}  // namespace nimbus
