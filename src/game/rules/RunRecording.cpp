#include "game/rules/RunRecording.h"

namespace nimbus {

void RunRecording::begin(uint64_t hash, const PlayerStats& stats) {
    levelHash = hash;
    start = stats;
    steps.clear();
    events.clear();
    steps.reserve(kReservedSteps);
    events.reserve(kReservedEvents);
}

void RunRecording::command(const GameCommand& command) {
    RunEvent event;
    event.frame = static_cast<int32_t>(steps.size());
    event.command = command;
    events.push_back(event);
}

void RunRecording::pointsTaken(int32_t points) {
    RunEvent event;
    event.frame = static_cast<int32_t>(steps.size());
    event.kind = RunEvent::kPointsTaken;
    event.points = points;
    events.push_back(event);
}

double RunRecording::seconds() const {
    double total = 0.0;
    for (float dt : steps) total += dt;
    return total;
}

}  // namespace nimbus
