#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/rules/GameCommand.h"
#include "game/rules/PlayerStats.h"

namespace nimbus {

// Something that changed a run between two updates: a command the rules took, or points
// taken off for a hint. `frame` is the number of updates that ran before it.
struct RunEvent {
    enum Kind : int32_t { kCommand = 0, kPointsTaken = 1 };

    int32_t frame = 0;
    int32_t kind = kCommand;
    GameCommand command;  // a command's
    int32_t points = 0;   // points taken's

    bool operator==(const RunEvent& o) const {
        return frame == o.frame && kind == o.kind && command.kind == o.command.kind &&
               command.x == o.command.x && command.y == o.command.y && points == o.points;
    }
};

// A level's run as the rules lived it, enough to live it again on the same build: the
// level's identity (levelHash of its map), the player's stats when it began, the time
// step of every update that ran, and every event between them. A paused update changes
// nothing and is left out, so a pause costs no room and no time of the run.
//
// The rules object fills it while it is attached (GameImpl::record); the room for a long
// run is taken once, so a frame adds to it without allocating.
struct RunRecording {
    // About a quarter of an hour at 144 frames a second, and far more events than a
    // player gives in that time.
    static constexpr size_t kReservedSteps = size_t(1) << 17;
    static constexpr size_t kReservedEvents = size_t(1) << 12;

    uint64_t levelHash = 0;
    PlayerStats start;
    std::vector<float> steps;
    std::vector<RunEvent> events;

    // Forgets any run before and starts this one, with room for a long run.
    void begin(uint64_t hash, const PlayerStats& stats);
    void step(float dt) { steps.push_back(dt); }
    void command(const GameCommand& command);
    void pointsTaken(int32_t points);

    // Seconds the run took: its steps added up in order, as a playback adds them.
    double seconds() const;
};

}  // namespace nimbus
