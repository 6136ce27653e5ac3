#pragma once

#include <cstddef>
#include <new>

namespace nimbus {

class Path;
class InBuffer;

// The implementation side of a Callback2: something that can be invoked with a path and
// a buffer and copied into in-place storage.
class Callback2Private {
public:
    virtual ~Callback2Private() = default;
    virtual bool invoke(const Path& path, InBuffer& buffer) = 0;
    virtual void cloneInto(void* storage, size_t size) const = 0;
};

// A by-value callback bool(const Path&, InBuffer&), held in place without allocation.
// Every loader is one (see MemberCallback2).
class Callback2 {
public:
    static constexpr size_t kStorage = 32;

    Callback2() = default;
    template <typename Impl>
    Callback2(const Impl& impl) {  // NOLINT: an implementation converts to its callback
        static_assert(sizeof(Impl) <= kStorage, "callback too large for its storage");
        new (storage_) Impl(impl);
        engaged_ = true;
    }
    Callback2(const Callback2& other) { copyFrom(other); }
    Callback2& operator=(const Callback2& other) {
        if (this != &other) {
            reset();
            copyFrom(other);
        }
        return *this;
    }
    ~Callback2() { reset(); }

    // Calls the held object; an empty callback returns false.
    bool operator()(const Path& path, InBuffer& buffer) const {
        return engaged_ && held()->invoke(path, buffer);
    }

private:
    Callback2Private* held() const {
        return std::launder(reinterpret_cast<Callback2Private*>(const_cast<unsigned char*>(storage_)));
    }
    void copyFrom(const Callback2& other) {
        if (other.engaged_) {
            other.held()->cloneInto(storage_, kStorage);
            engaged_ = true;
        }
    }
    void reset() {
        if (engaged_) held()->~Callback2Private();
        engaged_ = false;
    }

    bool engaged_ = false;
    alignas(std::max_align_t) unsigned char storage_[kStorage];
};

}  // namespace nimbus
