#pragma once

#include "game/rules/PickupKind.h"
#include "game/rules/TimedClockAction.h"

namespace nimbus {

// Runs the level clock backwards for five seconds, so crumbled tiles stand again once
// the clock is back before their time. The clock may go below zero.
class ReverseTimeAction : public TimedClockAction {
public:
    explicit ReverseTimeAction(SoundInterface& sound) : TimedClockAction(sound, kPickupReverseTime) {}
    const char* text() const override { return translatable("Time Reverse!"); }
    const char* name() const override { return "ReverseTimeAction"; }
};

}  // namespace nimbus
