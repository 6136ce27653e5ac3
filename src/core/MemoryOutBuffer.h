#pragma once

#include "core/OutBuffer.h"

namespace nimbus {

// Writes into a memory block it does not own; a full block truncates silently.
class MemoryOutBuffer : public OutBuffer {
public:
    MemoryOutBuffer(void* begin, void* end);
    int32_t bytesWritten() const override { return static_cast<int32_t>(position_ - begin_); }
    int32_t write(const void* source, int32_t count) override;
    const char* name() const override { return "<MemoryOutBuffer>"; }

private:
    unsigned char* begin_;
    unsigned char* end_;
    unsigned char* position_;
};

}  // namespace nimbus
