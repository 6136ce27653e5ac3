#include "game/ExtraLifeAction.h"
#include "game/GameAction.h"
#include "game/ReverseTimeAction.h"
#include "game/StopTimeAction.h"

namespace nimbus {

GameAction* createAction(int32_t kind, SoundInterface& sound) {
    switch (kind) {
        case kPickupExtraLife: return new ExtraLifeAction(sound);
        case kPickupStopTime: return new StopTimeAction(sound);
        case kPickupReverseTime: return new ReverseTimeAction(sound);
        default: return nullptr;
    }
}

}  // namespace nimbus
