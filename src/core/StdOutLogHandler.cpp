#include "core/StdOutLogHandler.h"

#include <cstdio>
#include <cstring>

namespace nimbus {

void StdOutLogHandler::write(const LogRecord& record) {
    if (!printAllLevels_ && record.level > static_cast<int>(LogLevel::Warning)) return;
    const char* text = record.message;
    if (stripLevelWord_) {
        if (const char* space = std::strchr(text, ' ')) text = space + 1;
    }
    std::fputs(text, stdout);
    std::fflush(stdout);
}

}  // namespace nimbus
