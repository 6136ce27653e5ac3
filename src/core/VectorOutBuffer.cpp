#include "core/VectorOutBuffer.h"

namespace nimbus {

int32_t VectorOutBuffer::write(const void* source, int32_t count) {
    if (count <= 0) return 0;
    const auto* bytes = static_cast<const unsigned char*>(source);
    bytes_.insert(bytes_.end(), bytes, bytes + count);
    return count;
}

}  // namespace nimbus
