#pragma once

#include "core/TimeSource.h"

namespace nimbus {

// The monotonic clock in nanoseconds.
class SystemTimeSource : public TimeSource {
public:
    int64_t now() const override;
    int64_t frequency() const override { return 1000000000LL; }
};

}  // namespace nimbus
