#include "render/gl/OglVertexBuffer.h"

#include <cstddef>
#include <new>

namespace nimbus {

OglVertexBuffer* OglVertexBuffer::create(int32_t count, const VertexFormat& format) {
    if (count < 0) return nullptr;
    const size_t bytes = static_cast<size_t>(count) * format.stride();
    // One byte at least, so an empty buffer still has a distinct address.
    auto* data = new (std::nothrow) uint8_t[bytes > 0 ? bytes : 1];
    if (!data) return nullptr;
    return new (std::nothrow) OglVertexBuffer(count, format, data);
}

OglVertexBuffer::~OglVertexBuffer() { delete[] data_; }

}  // namespace nimbus
