#pragma once

#include "core/LogHandler.h"

namespace nimbus {

// The developer's channel: the whole "file(line): message" line on standard error.
class DebugLogHandler : public LogHandler {
public:
    void write(const LogRecord& record) override;
};

}  // namespace nimbus
