#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace nimbus {

class Log;

// Collects every log line written while it lives, so a test can say what was reported.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<std::string>& lines() const { return lines_; }
    // Whether some line holds every one of the pieces.
    bool saw(std::initializer_list<const char*> pieces) const;
    std::string all() const;

private:
    std::vector<std::string> lines_;
    Log* log_;
    Log* previous_;
};

}  // namespace nimbus
