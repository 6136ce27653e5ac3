#pragma once

#include <cstddef>
#include <cstdint>

// Every target defines the one entry point libFuzzer calls, and which the replay
// program calls for each file of a corpus. A target returns 0; a fault is a crash, a
// sanitizer report or a failed `fuzzCheck`.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace nimbus {

// Installs a process-wide log without handlers, once: the readers report every refusal,
// and millions of reports would only slow the run down.
void quietLog();

// Writes the bytes to this process's scratch file and returns its name, for readers
// that take a file name.
const char* scratchFile(const uint8_t* data, size_t size);

// Reads every byte of the range as a consumer of the data would, so that the sanitizers
// see a range that reaches past its memory.
void touch(const void* bytes, size_t size);

// Stops the run with a message when a read file breaks a promise its reader made;
// libFuzzer counts the abort as a crash and keeps the input.
void fuzzCheck(bool condition, const char* what);

}  // namespace nimbus
