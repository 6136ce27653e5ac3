#pragma once

namespace nimbus {

enum class LogLevel : int { Error = 0, Warning = 1, Info = 2, Debug = 3 };

// One record as every handler receives it. `formatted` is filled in by Log::write; a
// caller that builds a record leaves it null.
struct LogRecord {
    const char* file = "";
    int line = 0;
    const char* message = "";
    const char* formatted = nullptr;
    int level = static_cast<int>(LogLevel::Error);
};

}  // namespace nimbus
