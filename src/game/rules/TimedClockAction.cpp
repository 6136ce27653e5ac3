#include "game/rules/TimedClockAction.h"

#include "sound/SoundInterface.h"

namespace nimbus {

TimedClockAction::~TimedClockAction() {
    if (channel_ >= 0) sound_.stop(channel_);
}

void TimedClockAction::begin(Game&) { channel_ = sound_.play("TickTock"); }

float TimedClockAction::update(Game&, float dt) {
    elapsed_ += dt;
    return clockRate_ * dt;
}

}  // namespace nimbus
