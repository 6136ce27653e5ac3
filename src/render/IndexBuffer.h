#pragma once

#include <cstdint>

namespace nimbus {

// Unsigned 16-bit indices, made by the core and owned by whoever asked for them.
// Contents are undefined until written between lockForWrite and unlock.
class IndexBuffer {
public:
    virtual ~IndexBuffer() = default;
    // The indices, for reading until unlock.
    virtual const uint16_t* lockForRead() = 0;
    // The indices, for writing until unlock.
    virtual uint16_t* lockForWrite() = 0;
    virtual void unlock() = 0;
    // Makes the indices the source of indexed draws; returns their base address.
    virtual const uint8_t* bind() = 0;
    virtual void unbind() = 0;
    // Number of indices.
    virtual int32_t getCount() const = 0;
    // Bytes per index: always 2.
    virtual int32_t getIndexSize() const = 0;
};

}  // namespace nimbus
