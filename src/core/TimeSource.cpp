#include "core/TimeSource.h"

namespace nimbus {

float elapsedSeconds(const TimeSource& source, int64_t previous, int64_t current) {
    const float tick = 1.0f / static_cast<float>(source.frequency());
    return current > previous ? static_cast<float>(current - previous) * tick : 0.0f;
}

}  // namespace nimbus
