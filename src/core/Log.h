#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/LogRecord.h"
#include "core/ProcessWide.h"

namespace nimbus {

class LogHandler;

// The process-wide fan-out of log records. Every record goes to each handler in the
// order they were added. The log owns its handlers and deletes them with itself.
// Only the main thread writes to it.
class Log {
public:
    Log() = default;
    ~Log();
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // The process-wide log, null when there is none.
    static Log* instance() { return ProcessWide<Log>::get(); }
    // Publishes a log and returns the previous one (not deleted).
    static Log* setInstance(Log* log) { return ProcessWide<Log>::set(log); }

    // Appends a handler; the log takes ownership.
    void addHandler(LogHandler* handler);
    // Formats "%s(%d): %s" into at most 4096 characters and hands the record to every
    // handler.
    void write(const LogRecord& record);

    // Writes one Error record for a composed message. Without a log the line goes to
    // standard error, so tools and early failures are never silent.
    static void report(const char* file, int line, const std::string& message);

private:
    std::vector<LogHandler*> handlers_;
};

// Creates the log with its debug (standard error) and standard output handlers.
// Keeps an existing log and returns false when there is one already.
bool initLog();

// The system's text for an errno value, to follow a message ending in " - ".
std::string systemErrorString(int error);

}  // namespace nimbus

// Reports an error: "Error: " + the streamed text + a line break, tagged with this
// file and line. The caller then returns its failure value.
#define LOG_ERROR(text)                                                    \
    do {                                                                   \
        std::ostringstream nimbusLogStream_;                               \
        nimbusLogStream_ << "Error: " << text << std::endl;                \
        ::nimbus::Log::report(__FILE__, __LINE__, nimbusLogStream_.str()); \
    } while (0)
