#pragma once

namespace nimbus {

// What game code sees of sound: effects started by name and stopped by handle. The
// mixer stays behind it (GameSound), and tests put a recorder in its place.
class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // Starts the named effect; a handle for stop, or -1 when nothing was started.
    virtual int play(const char* name) = 0;
    // Stops what `play` returned, if it still plays.
    virtual void stop(int handle) = 0;
    // Once per frame: forgets the effects that have ended.
    virtual void update() {}
};

}  // namespace nimbus
