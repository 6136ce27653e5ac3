#pragma once

#include <cstdio>
#include <string>

#include "core/OutBuffer.h"

namespace nimbus {

// Writes a file without ever losing the old one: the bytes go to a temporary file
// beside the target, which replaces the target only when the buffer is closed after
// every write succeeded. A failed write, or a failed flush, leaves the old file as it
// was and removes the temporary file. Destruction closes.
class FileOutBuffer : public OutBuffer {
public:
    FileOutBuffer() = default;
    ~FileOutBuffer() override;
    FileOutBuffer(const FileOutBuffer&) = delete;
    FileOutBuffer& operator=(const FileOutBuffer&) = delete;

    // Creates the temporary file for `nativeName`; false when it cannot be created.
    bool open(const std::string& nativeName);
    // Commits (flush, sync, rename over the target) if every write succeeded, else
    // discards. True when the target now holds what was written.
    bool close();
    int32_t bytesWritten() const override { return written_; }
    int32_t write(const void* source, int32_t count) override;
    const char* name() const override { return name_.c_str(); }

private:
    void discard();

    std::FILE* stream_ = nullptr;
    int32_t written_ = 0;
    bool failed_ = false;
    std::string name_;
    std::string temporaryName_;
};

}  // namespace nimbus
