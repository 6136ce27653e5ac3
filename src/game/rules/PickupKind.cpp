#include "game/rules/PickupKind.h"

namespace nimbus {

const char* pickupKindName(int32_t kind) {
    static const char* const kNames[] = {"None", "ExtraLife", "StopTime", "ReverseTime", "Last"};
    return (kind >= kPickupNone && kind <= kPickupLast) ? kNames[kind] : kNames[kPickupNone];
}

}  // namespace nimbus
