#pragma once

namespace nimbus {

// What the frame loop knows of a state. The loop calls update once a frame and, when it
// returns another state, calls exit on the old one, deletes it and enters the new one;
// only the loop swaps states. `info` is the loop's shared state information.
class GenericState {
public:
    virtual ~GenericState() = default;
    // One whole frame; returns the state for the next frame (itself to stay, a new one
    // owned by the caller to move on).
    virtual GenericState* update(float dt, void* info) = 0;
    virtual void enter(void* info) = 0;
    virtual void exit() = 0;
    virtual const char* name() const = 0;
};

}  // namespace nimbus
