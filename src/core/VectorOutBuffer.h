#pragma once

#include <vector>

#include "core/OutBuffer.h"

namespace nimbus {

// Collects everything written in a vector that the owner can take.
class VectorOutBuffer : public OutBuffer {
public:
    int32_t bytesWritten() const override { return static_cast<int32_t>(bytes_.size()); }
    int32_t write(const void* source, int32_t count) override;
    const char* name() const override { return "<VectorOutBuffer>"; }
    const std::vector<unsigned char>& bytes() const { return bytes_; }
    std::vector<unsigned char>& bytes() { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace nimbus
