#include "core/MemoryInBuffer.h"

#include <algorithm>
#include <cstring>

namespace nimbus {

MemoryInBuffer::MemoryInBuffer(const void* begin, const void* end)
    : begin_(static_cast<const unsigned char*>(begin)),
      end_(static_cast<const unsigned char*>(end)),
      position_(begin_) {}

int32_t MemoryInBuffer::bytesLeft() const { return static_cast<int32_t>(end_ - position_); }

int32_t MemoryInBuffer::read(void* destination, int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n <= 0) return 0;
    std::memcpy(destination, position_, n);
    position_ += n;
    return n;
}

void MemoryInBuffer::skip(int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n > 0) position_ += n;
}

}  // namespace nimbus
