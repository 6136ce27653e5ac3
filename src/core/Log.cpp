#include "core/Log.h"

#include <cstdio>
#include <cstring>

#include "core/DebugLogHandler.h"
#include "core/LogHandler.h"
#include "core/StdOutLogHandler.h"

namespace nimbus {

namespace {
constexpr int kLineSize = 4096;
}  // namespace

Log::~Log() {
    for (LogHandler* handler : handlers_) delete handler;
}

void Log::addHandler(LogHandler* handler) { handlers_.push_back(handler); }

void Log::write(const LogRecord& record) {
    LogRecord copy = record;
    char line[kLineSize];
    std::snprintf(line, sizeof line, "%s(%d): %s", copy.file, copy.line, copy.message);
    copy.formatted = line;
    for (LogHandler* handler : handlers_) handler->write(copy);
}

void Log::report(const char* file, int line, const std::string& message) {
    LogRecord record;
    record.file = file;
    record.line = line;
    record.message = message.c_str();
    if (Log* log = instance()) {
        log->write(record);
    } else {
        std::fprintf(stderr, "%s(%d): %s", file, line, message.c_str());
    }
}

bool initLog() {
    Log* log = new Log;
    if (Log::instance()) {
        delete log;
        return false;
    }
    log->addHandler(new DebugLogHandler);
    log->addHandler(new StdOutLogHandler(true, true));
    Log::setInstance(log);
    return true;
}

std::string systemErrorString(int error) {
    char buffer[1024];
    // The GNU variant returns a pointer that may or may not be the buffer.
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text ? std::string(text) : std::string("Failed to describe the error");
}

}  // namespace nimbus
