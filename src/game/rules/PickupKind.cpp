#include "game/rules/PickupKind.h"

#include "game/rules/ExtraLifeAction.h"
#include "game/rules/ReverseTimeAction.h"
#include "game/rules/StopTimeAction.h"

namespace nimbus {

namespace {

template <typename Action>
GameAction* make(SoundInterface& sound) {
    return new Action(sound);
}

const PickupKindInfo kKinds[kPickupLast] = {
    {"none", '.', nullptr, {}, 1.0f, nullptr},
    // Lives show the extra life's icon too.
    {"extra life", '+', "Meshes/Small_dice", {0.0f, 0.25f, 0.25f, 0.0f}, 1.0f, make<ExtraLifeAction>},
    {"stop time", 's', "Meshes/Stop", {0.5f, 0.25f, 0.75f, 0.0f}, 0.0f, make<StopTimeAction>},
    {"reverse time", 'r', "Meshes/Clock", {0.25f, 0.25f, 0.5f, 0.0f}, -1.0f, make<ReverseTimeAction>},
};

}  // namespace

const PickupKindInfo& pickupKindInfo(int32_t kind) {
    return kKinds[kind > kPickupNone && kind < kPickupLast ? kind : kPickupNone];
}

GameAction* createAction(int32_t kind, SoundInterface& sound) {
    const PickupKindInfo& info = pickupKindInfo(kind);
    return info.create ? info.create(sound) : nullptr;
}

}  // namespace nimbus
