#pragma once

#include "core/InBuffer.h"

namespace nimbus {

// Reads a memory block it does not own.
class MemoryInBuffer : public InBuffer {
public:
    MemoryInBuffer(const void* begin, const void* end);
    int32_t bytesLeft() const override;
    int32_t read(void* destination, int32_t count) override;
    void skip(int32_t count) override;
    const char* name() const override { return "<MemoryInBuffer>"; }

private:
    const unsigned char* begin_;
    const unsigned char* end_;
    const unsigned char* position_;
};

}  // namespace nimbus
