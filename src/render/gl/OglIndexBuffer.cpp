#include "render/gl/OglIndexBuffer.h"

#include <new>

namespace nimbus {

OglIndexBuffer* OglIndexBuffer::create(int32_t count) {
    if (count < 0) return nullptr;
    auto* data = new (std::nothrow) uint16_t[count > 0 ? count : 1];
    if (!data) return nullptr;
    return new (std::nothrow) OglIndexBuffer(count, data);
}

OglIndexBuffer::~OglIndexBuffer() { delete[] data_; }

}  // namespace nimbus
