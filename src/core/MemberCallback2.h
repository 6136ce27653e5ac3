#pragma once

#include <new>

#include "core/Callback2.h"

namespace nimbus {

// Binds a Callback2 to a member function of an object the caller keeps alive.
template <typename T>
class MemberCallback2 : public Callback2Private {
public:
    using Member = bool (T::*)(const Path&, InBuffer&);

    MemberCallback2(T* object, Member member) : object_(object), member_(member) {}
    bool invoke(const Path& path, InBuffer& buffer) override { return (object_->*member_)(path, buffer); }
    void cloneInto(void* storage, size_t size) const override {
        static_assert(sizeof(MemberCallback2) <= Callback2::kStorage, "callback too large");
        if (size >= sizeof(MemberCallback2)) new (storage) MemberCallback2(*this);
    }

private:
    T* object_;
    Member member_;
};

// Shorthand: Callback2 cb = memberCallback(this, &Loader::loadTexture);
template <typename T>
Callback2 memberCallback(T* object, bool (T::*member)(const Path&, InBuffer&)) {
    return Callback2(MemberCallback2<T>(object, member));
}

}  // namespace nimbus
