#include "game/FramePacer.h"

#include <ctime>

#include "core/TimeSource.h"

namespace nimbus {

FramePacer::FramePacer(const TimeSource& clock, float rate)
    : clock_(clock),
      period_(static_cast<int64_t>(static_cast<double>(clock.frequency()) /
                                   (rate > 0.0f ? rate : kUnknownRate))) {}

int64_t FramePacer::waitAfter(int64_t now) {
    if (now < due_) {
        const int64_t wait = due_ - now;
        due_ += period_;
        return wait;
    }
    due_ = now + period_;
    return 0;
}

void FramePacer::wait() {
    const int64_t ticks = waitAfter(clock_.now());
    if (ticks <= 0) return;
    const double seconds = static_cast<double>(ticks) / static_cast<double>(clock_.frequency());
    timespec pause;
    pause.tv_sec = static_cast<time_t>(seconds);
    pause.tv_nsec = static_cast<long>((seconds - static_cast<double>(pause.tv_sec)) * 1e9);
    nanosleep(&pause, nullptr);
}

}  // namespace nimbus
