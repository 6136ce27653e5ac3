#pragma once

#include <cstdint>

namespace nimbus {

// A forward-only source of bytes. Reads are clamped to what is left; a short read is
// not an error at this level. Owned by whoever obtained it.
class InBuffer {
public:
    virtual ~InBuffer() = default;
    // Bytes that can still be read.
    virtual int32_t bytesLeft() const = 0;
    // Copies min(count, bytesLeft) bytes, advances, returns the number copied.
    virtual int32_t read(void* destination, int32_t count) = 0;
    // Advances by min(count, bytesLeft) bytes without copying.
    virtual void skip(int32_t count) = 0;
    // Names the source, for messages.
    virtual const char* name() const = 0;
};

// True when `count` bytes remain; otherwise reports "Not enough bytes left in input
// buffer ..." and returns false.
bool requireBytes(const InBuffer& in, int64_t count);

}  // namespace nimbus
