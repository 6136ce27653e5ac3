#pragma once

#include "core/LogHandler.h"

namespace nimbus {

// The player's channel: the message alone on standard output, flushed per record.
class StdOutLogHandler : public LogHandler {
public:
    // printAllLevels false keeps only errors and warnings; stripLevelWord drops the
    // message up to its first space ("Error: ").
    explicit StdOutLogHandler(bool printAllLevels = true, bool stripLevelWord = true)
        : printAllLevels_(printAllLevels), stripLevelWord_(stripLevelWord) {}
    void write(const LogRecord& record) override;

private:
    bool printAllLevels_;
    bool stripLevelWord_;
};

}  // namespace nimbus
