#pragma once

#include <string>
#include <vector>

#include "core/MemoryInBuffer.h"

namespace nimbus {

struct NamedInputBytes {
    std::vector<unsigned char> bytes;
};

// A copy of file contents under the file's name, as the archive hands them to a loader.
class NamedInput : private NamedInputBytes, public MemoryInBuffer {
public:
    NamedInput(std::string name, std::vector<unsigned char> contents)
        : NamedInputBytes{std::move(contents)},
          MemoryInBuffer(bytes.data(), bytes.data() + bytes.size()),
          name_(std::move(name)) {}
    NamedInput(std::string name, const std::string& text)
        : NamedInput(std::move(name), std::vector<unsigned char>(text.begin(), text.end())) {}
    const char* name() const override { return name_.c_str(); }

private:
    std::string name_;
};

}  // namespace nimbus
