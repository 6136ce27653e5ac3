#include "core/MemoryOutBuffer.h"

#include <algorithm>
#include <cstring>

namespace nimbus {

MemoryOutBuffer::MemoryOutBuffer(void* begin, void* end)
    : begin_(static_cast<unsigned char*>(begin)), end_(static_cast<unsigned char*>(end)), position_(begin_) {}

int32_t MemoryOutBuffer::write(const void* source, int32_t count) {
    const int32_t n = std::min(static_cast<int32_t>(end_ - position_), count);
    if (n <= 0) return 0;
    std::memcpy(position_, source, n);
    position_ += n;
    return n;
}

}  // namespace nimbus
