#pragma once

#include <cstddef>
#include <cstdint>

#include "render/Texture.h"

// Every target defines the one entry point libFuzzer calls, and which the replay
// program calls for each file of a corpus. A target returns 0; a fault is a crash, a
// sanitizer report or a failed `fuzzCheck`.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace nimbus {

// A font atlas of the usual size without pixels: the font readers ask only its size.
class AtlasSize : public Texture {
public:
    int32_t getWidth() const override { return 512; }
    int32_t getHeight() const override { return 256; }
    uint32_t getHandle() const override { return 0; }
    bool readPixels(void*, int64_t) override { return false; }
    bool copyFromScreen(Core&) override { return false; }
};

// Installs a process-wide log without handlers, once: the readers report every refusal,
// and millions of reports would only slow the run down.
void quietLog();

// Writes the bytes to this process's scratch file and returns its name, for readers
// that take a file name. The file is removed when the process exits normally.
const char* scratchFile(const uint8_t* data, size_t size);

// Reads every byte of the range as a consumer of the data would, so that the sanitizers
// see a range that reaches past its memory.
void touch(const void* bytes, size_t size);

// Stops the run with a message when a read file breaks a promise its reader made;
// libFuzzer counts the abort as a crash and keeps the input.
void fuzzCheck(bool condition, const char* what);

}  // namespace nimbus
