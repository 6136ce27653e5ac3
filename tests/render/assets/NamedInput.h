#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/MemoryInBuffer.h"

// File contents under a file's name, as the archive hands them to a loader.
class NamedInput : public nimbus::MemoryInBuffer {
public:
    NamedInput(std::string name, const std::vector<unsigned char>& bytes)
        : MemoryInBuffer(bytes.data(), bytes.data() + bytes.size()), name_(std::move(name)) {}
    const char* name() const override { return name_.c_str(); }

private:
    std::string name_;
};
