#pragma once

#include <cstdint>

#include "render/IndexBuffer.h"

namespace nimbus {

// 16-bit indices in system memory, handed to GL by address at each indexed draw.
class OglIndexBuffer : public IndexBuffer {
public:
    // A buffer of `count` indices, or null when the count is negative or the block
    // cannot be had.
    static OglIndexBuffer* create(int32_t count);
    ~OglIndexBuffer() override;
    OglIndexBuffer(const OglIndexBuffer&) = delete;
    OglIndexBuffer& operator=(const OglIndexBuffer&) = delete;

    const uint16_t* lockForRead() override { return data_; }
    uint16_t* lockForWrite() override { return data_; }
    void unlock() override {}
    const uint8_t* bind() override { return reinterpret_cast<const uint8_t*>(data_); }
    void unbind() override {}
    int32_t getCount() const override { return count_; }
    int32_t getIndexSize() const override { return 2; }

private:
    OglIndexBuffer(int32_t count, uint16_t* data) : count_(count), data_(data) {}

    int32_t count_;
    uint16_t* data_;
};

}  // namespace nimbus
