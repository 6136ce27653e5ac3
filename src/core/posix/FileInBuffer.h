#pragma once

#include <string>

#include "core/InBuffer.h"

namespace nimbus {

// Reads a file through a descriptor. The size is taken once at opening; growth of the
// file afterwards is not seen.
class FileInBuffer : public InBuffer {
public:
    FileInBuffer() = default;
    ~FileInBuffer() override;
    FileInBuffer(const FileInBuffer&) = delete;
    FileInBuffer& operator=(const FileInBuffer&) = delete;

    // Opens an existing file for reading; false (and nothing logged) when it cannot be.
    bool open(const std::string& nativeName);
    int32_t bytesLeft() const override { return size_ - position_; }
    int32_t read(void* destination, int32_t count) override;
    void skip(int32_t count) override;
    const char* name() const override { return name_.c_str(); }

private:
    int fd_ = -1;
    int32_t size_ = 0;
    int32_t position_ = 0;
    std::string name_;
};

}  // namespace nimbus
