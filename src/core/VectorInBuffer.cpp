#include "core/VectorInBuffer.h"

#include <algorithm>
#include <cstring>

namespace nimbus {

VectorInBuffer::VectorInBuffer(const char* text) : bytes_(text, text + std::strlen(text) + 1) {}

int32_t VectorInBuffer::read(void* destination, int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n <= 0) return 0;
    std::memcpy(destination, bytes_.data(), n);
    bytes_.erase(bytes_.begin(), bytes_.begin() + n);
    return n;
}

void VectorInBuffer::skip(int32_t count) {
    const int32_t n = std::min(bytesLeft(), count);
    if (n > 0) bytes_.erase(bytes_.begin(), bytes_.begin() + n);
}

}  // namespace nimbus
