#include "core/DebugLogHandler.h"

#include <cstdio>

namespace nimbus {

void DebugLogHandler::write(const LogRecord& record) {
    if (record.formatted) std::fputs(record.formatted, stderr);
}

}  // namespace nimbus
