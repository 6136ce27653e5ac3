#pragma once

#include "core/LogRecord.h"

namespace nimbus {

// A destination for log records. The log owns its handlers.
class LogHandler {
public:
    virtual ~LogHandler() = default;
    // Consumes one record; never fails.
    virtual void write(const LogRecord& record) = 0;
};

}  // namespace nimbus
