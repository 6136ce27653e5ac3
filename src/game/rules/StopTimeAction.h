#pragma once

#include "game/rules/PickupKind.h"
#include "game/rules/TimedClockAction.h"

namespace nimbus {

// Holds the level clock still for five seconds: no tile crumbles meanwhile.
class StopTimeAction : public TimedClockAction {
public:
    explicit StopTimeAction(SoundInterface& sound) : TimedClockAction(sound, kPickupStopTime) {}
    const char* text() const override { return translatable("Time Stop!"); }
    const char* name() const override { return "StopTimeAction"; }
};

}  // namespace nimbus
