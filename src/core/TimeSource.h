#pragma once

#include <cstdint>

namespace nimbus {

// A raw tick counter and its frequency, so the frame loop never calls the platform.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual int64_t now() const = 0;
    virtual int64_t frequency() const = 0;
};

// Seconds between two readings; a reading below the previous one counts as equal.
float elapsedSeconds(const TimeSource& source, int64_t previous, int64_t current);

}  // namespace nimbus
