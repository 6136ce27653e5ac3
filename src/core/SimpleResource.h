#pragma once

#include <string>

#include "core/Resource.h"
#include "core/ResourceHandle.h"

namespace nimbus {

// A registry entry holding one asset of class T under a fixed type name.
template <typename T>
class SimpleResource : public Resource {
public:
    SimpleResource(T* object, const char* typeName) : handle_(object), typeName_(typeName) {}
    const char* typeName() const override { return typeName_.c_str(); }
    void* object() const override { return handle_.get(); }
    const ResourceHandle<T>& handle() const { return handle_; }

    // Every handle of the old object now sees the new one; the old object is destroyed
    // unless it is the new one.
    void assign(Resource& other) override {
        ResourceHandle<T> incoming = static_cast<SimpleResource&>(other).handle_;
        if (handle_.sharesRingWith(incoming)) return;
        T* old = handle_.get();
        if (old && old != incoming.get()) ResourceDeleter<T>::destroy(old);
        handle_.splice(incoming);
        handle_.pointRingAt(incoming.get());
    }

private:
    ResourceHandle<T> handle_;
    std::string typeName_;
};

}  // namespace nimbus
