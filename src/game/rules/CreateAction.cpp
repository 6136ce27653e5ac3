#include "game/rules/ExtraLifeAction.h"
#include "game/rules/GameAction.h"
#include "game/rules/ReverseTimeAction.h"
#include "game/rules/StopTimeAction.h"

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
