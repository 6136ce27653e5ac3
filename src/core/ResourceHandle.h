#pragma once

namespace nimbus {

// Deletes what a handle held once its last handle goes. An asset class whose objects
// must be released another way specialises this.
template <typename T>
struct ResourceDeleter {
    static void destroy(T* object) { delete object; }
};

// Shared ownership without a counter: every handle of one object is a node of one ring,
// and the last node to leave destroys the object. A replaced asset (Resource::assign)
// is seen through every handle of its ring at once.
template <typename T>
class ResourceHandle {
public:
    ResourceHandle() = default;
    // Takes sole ownership of a new object.
    explicit ResourceHandle(T* object) : object_(object) {}
    ResourceHandle(const ResourceHandle& other) { join(other); }
    ResourceHandle& operator=(const ResourceHandle& other) {
        if (this != &other) {
            release();
            join(other);
        }
        return *this;
    }
    ~ResourceHandle() { release(); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    bool alone() const { return next_ == this; }

    // Destroys the object when this is its last handle, then leaves the ring.
    void release() {
        if (alone()) {
            if (object_) ResourceDeleter<T>::destroy(object_);
        } else {
            prev_->next_ = next_;
            next_->prev_ = prev_;
            prev_ = next_ = this;
        }
        object_ = nullptr;
    }

    bool sharesRingWith(const ResourceHandle& other) const {
        const ResourceHandle* node = this;
        do {
            if (node == &other) return true;
            node = node->next_;
        } while (node != this);
        return false;
    }

    // Merges the other handle's ring into this one (both rings must be distinct).
    void splice(ResourceHandle& other) {
        ResourceHandle* myNext = next_;
        ResourceHandle* otherNext = other.next_;
        next_ = otherNext;
        otherNext->prev_ = this;
        other.next_ = myNext;
        myNext->prev_ = &other;
    }

    // Points every handle of the ring at the object, destroying nothing.
    void pointRingAt(T* object) {
        ResourceHandle* node = this;
        do {
            node->object_ = object;
            node = node->next_;
        } while (node != this);
    }

private:
// A handle on the stack joins a longer-lived ring by design and leaves it when it goes.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
    void join(const ResourceHandle& other) {
        auto& source = const_cast<ResourceHandle&>(other);
        object_ = source.object_;
        prev_ = &source;
        next_ = source.next_;
        source.next_->prev_ = this;
        source.next_ = this;
    }
#pragma GCC diagnostic pop

    T* object_ = nullptr;
    ResourceHandle* prev_ = this;
    ResourceHandle* next_ = this;
};

}  // namespace nimbus
