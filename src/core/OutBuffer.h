#pragma once

#include <cstdint>

namespace nimbus {

// An append-only sink of bytes. Failures show only in the returned counts.
class OutBuffer {
public:
    virtual ~OutBuffer() = default;
    // Bytes written so far.
    virtual int32_t bytesWritten() const = 0;
    // Writes up to `count` bytes and returns how many were accepted.
    virtual int32_t write(const void* source, int32_t count) = 0;
    // Names the sink, for messages.
    virtual const char* name() const = 0;
};

}  // namespace nimbus
