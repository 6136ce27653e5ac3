#include "game/rules/TimedClockAction.h"

#include "game/rules/PickupKind.h"
#include "sound/SoundInterface.h"

namespace nimbus {

TimedClockAction::TimedClockAction(SoundInterface& sound, int32_t kind)
    : sound_(sound), kind_(kind), clockRate_(pickupKindInfo(kind).clockRate) {}

TimedClockAction::~TimedClockAction() {
    if (channel_ >= 0) sound_.stop(channel_);
}

void TimedClockAction::begin(Game&) { channel_ = sound_.play("TickTock"); }

float TimedClockAction::update(Game&, float dt) {
    elapsed_ += dt;
    return clockRate_ * dt;
}

}  // namespace nimbus
