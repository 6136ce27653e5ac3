#pragma once

#include <cstdint>

#include "render/VertexFormat.h"

namespace nimbus {

// Vertices in one format, made by the core and owned by whoever asked for them.
// Contents are undefined until written between lockForWrite and unlock.
class VertexBuffer {
public:
    virtual ~VertexBuffer() = default;
    // The vertices, for reading until unlock.
    virtual const void* lockForRead() = 0;
    // The vertices, for writing until unlock.
    virtual void* lockForWrite() = 0;
    virtual void unlock() = 0;
    // Makes the vertices the source of attribute pointers; returns the base address that
    // element offsets are added to.
    virtual const uint8_t* bind() = 0;
    virtual void unbind() = 0;
    // Number of vertices.
    virtual int32_t getCount() const = 0;
    virtual const VertexFormat& getFormat() const = 0;
};

}  // namespace nimbus
