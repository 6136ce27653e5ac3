#pragma once

#include <cstdint>

struct Mix_Chunk;

namespace nimbus {

class SoundSystem;

// One started effect: which system played which sample on which channel. The serial
// tells this start apart from a later effect on the same channel. Releasing the last
// handle to it only frees the record; the channel plays on.
class PlayingSound {
public:
    PlayingSound(SoundSystem* system, Mix_Chunk* sample, int channel, uint32_t serial)
        : system_(system), sample_(sample), channel_(channel), serial_(serial) {}

    SoundSystem* system() const { return system_; }
    Mix_Chunk* sample() const { return sample_; }
    int channel() const { return channel_; }
    uint32_t serial() const { return serial_; }

private:
    SoundSystem* system_;
    Mix_Chunk* sample_;
    int channel_;
    uint32_t serial_;
};

}  // namespace nimbus
