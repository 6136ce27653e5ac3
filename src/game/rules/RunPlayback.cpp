#include "game/rules/RunPlayback.h"

#include "game/rules/GameImpl.h"
#include "game/rules/RunRecording.h"

namespace nimbus {

RunPlayback::RunPlayback(const RunRecording& run, GameImpl& game) : run_(run), game_(game) {}

void RunPlayback::handInEvents() {
    for (; nextEvent_ < run_.events.size() && run_.events[nextEvent_].frame <= static_cast<int64_t>(frame_);
         ++nextEvent_) {
        const RunEvent& event = run_.events[nextEvent_];
        if (event.kind == RunEvent::kPointsTaken)
            game_.takePoints(event.points);
        else if (!game_.execute(event.command))
            inStep_ = false;
    }
}

bool RunPlayback::stepFrame() {
    if (finished_) return false;
    handInEvents();
    if (frame_ == run_.steps.size()) {
        finished_ = true;
        return false;
    }
    const float dt = run_.steps[frame_++];
    seconds_ += dt;
    game_.update(dt);
    return true;
}

void RunPlayback::advance(float seconds) {
    pending_ += seconds;
    while (!finished_ && (frame_ == run_.steps.size() || pending_ >= run_.steps[frame_])) {
        if (frame_ < run_.steps.size()) pending_ -= run_.steps[frame_];
        stepFrame();
    }
}

void RunPlayback::playToEnd() {
    while (stepFrame()) {
    }
}

}  // namespace nimbus
