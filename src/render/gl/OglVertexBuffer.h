#pragma once

#include <cstdint>

#include "render/VertexBuffer.h"

namespace nimbus {

// Vertices in system memory, handed to GL as client arrays at each draw. Locks and binds
// all return the one block; nothing needs undoing.
class OglVertexBuffer : public VertexBuffer {
public:
    // A buffer of `count` vertices, or null when the count is negative or the block
    // cannot be had.
    static OglVertexBuffer* create(int32_t count, const VertexFormat& format);
    ~OglVertexBuffer() override;
    OglVertexBuffer(const OglVertexBuffer&) = delete;
    OglVertexBuffer& operator=(const OglVertexBuffer&) = delete;

    const void* lockForRead() override { return data_; }
    void* lockForWrite() override { return data_; }
    void unlock() override {}
    const uint8_t* bind() override { return data_; }
    void unbind() override {}
    int32_t getCount() const override { return count_; }
    const VertexFormat& getFormat() const override { return format_; }

private:
    OglVertexBuffer(int32_t count, const VertexFormat& format, uint8_t* data)
        : count_(count), format_(format), data_(data) {}

    int32_t count_;
    VertexFormat format_;
    uint8_t* data_;
};

}  // namespace nimbus
