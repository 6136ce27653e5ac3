#pragma once

#include <vector>

#include "core/InBuffer.h"

namespace nimbus {

// Owns exactly the unread bytes; every read moves the rest down, so it serves small
// streams only (use MemoryInBuffer over a block for anything large).
class VectorInBuffer : public InBuffer {
public:
    VectorInBuffer() = default;
    explicit VectorInBuffer(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
    // The string's characters and its terminating zero byte.
    explicit VectorInBuffer(const char* text);
    int32_t bytesLeft() const override { return static_cast<int32_t>(bytes_.size()); }
    int32_t read(void* destination, int32_t count) override;
    void skip(int32_t count) override;
    const char* name() const override { return "<VectorInBuffer>"; }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace nimbus
