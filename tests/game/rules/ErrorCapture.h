#pragma once

#include <string>
#include <vector>

#include "core/Log.h"
#include "core/LogHandler.h"

namespace nimbus {

// Puts a log in place for its lifetime that keeps every error message, so a test can
// count the lines a refusal wrote.
class ErrorCapture {
public:
    ErrorCapture() : previous_(Log::setInstance(&log_)) { log_.addHandler(new Keeper(messages_)); }
    ~ErrorCapture() { Log::setInstance(previous_); }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    const std::vector<std::string>& messages() const { return messages_; }

private:
    class Keeper : public LogHandler {
    public:
        explicit Keeper(std::vector<std::string>& sink) : sink_(sink) {}
        void write(const LogRecord& record) override {
            if (record.level == static_cast<int>(LogLevel::Error)) sink_.push_back(record.message);
        }

    private:
        std::vector<std::string>& sink_;
    };

    std::vector<std::string> messages_;
    Log log_;
    Log* previous_;
};

}  // namespace nimbus
