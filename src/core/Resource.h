#pragma once

namespace nimbus {

// An entry of the resource registry: a typed object under a name.
class Resource {
public:
    virtual ~Resource() = default;
    virtual const char* typeName() const = 0;
    virtual void* object() const = 0;
    // Takes over the other resource's object (same concrete type) for every handle.
    virtual void assign(Resource& other) = 0;
};

}  // namespace nimbus
