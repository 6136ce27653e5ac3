#pragma once

#include "game/states/GenericState.h"

namespace nimbus {

// A state that knows the type of the loop's shared information: the loop hands every
// state the same untyped pointer, and this is the one place it is cast back, so a state
// only ever sees its Info. exit does nothing unless a state needs it to.
template <typename Info>
class TypedState : public GenericState {
public:
    GenericState* update(float dt, void* info) final { return update(dt, *static_cast<Info*>(info)); }
    void enter(void* info) final { enter(*static_cast<Info*>(info)); }
    void exit() override {}

    virtual GenericState* update(float dt, Info& info) = 0;
    virtual void enter(Info& info) = 0;
};

}  // namespace nimbus
