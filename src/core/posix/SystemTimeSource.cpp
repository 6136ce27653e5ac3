#include "core/posix/SystemTimeSource.h"

#include <ctime>

namespace nimbus {

int64_t SystemTimeSource::now() const {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<int64_t>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

}  // namespace nimbus
