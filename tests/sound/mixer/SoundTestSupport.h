#pragma once

#include <string>
#include <vector>

#include "core/LogHandler.h"

namespace nimbus {

class Log;

// A mono 16-bit WAV of a quiet tone, `seconds` long, as the mixer reads it.
std::string toneWav(double seconds);

// A fresh directory under /tmp, removed with everything in it at destruction.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    const std::string& path() const { return path_; }
    // Writes a file below the directory, making the directories on its way.
    void write(const std::string& relativePath, const std::string& contents) const;

private:
    std::string path_;
};

// Installs a log that keeps every error line for the lifetime of the object.
class CapturedLog {
public:
    CapturedLog();
    ~CapturedLog();
    const std::vector<std::string>& lines() const { return lines_; }

private:
    Log* previous_;
    std::vector<std::string> lines_;
};

// Waits (bounded) until the mixer channel has stopped playing; false if it never did.
bool waitUntilSilent(int channel);

}  // namespace nimbus
