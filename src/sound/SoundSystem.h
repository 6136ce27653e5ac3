#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/ResourceHandle.h"
#include "sound/PlayingSound.h"

namespace nimbus {

class InBuffer;

// The thin layer over the mixer: one opening of the audio device, the decoded samples
// by name, and the starting of effects on free channels. Openings nest: the device stays
// open until the last system that opened it shuts down. Failures return false or an
// empty handle; only an unusable device or sample file writes an error line.
class SoundSystem {
public:
    static constexpr int kFrequency = 22050;
    static constexpr int kChunkFrames = 1024;
    static constexpr int kChannels = 16;
    static constexpr int kEffectVolume = 89;

    SoundSystem() = default;
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the device (22050 Hz, signed 16-bit stereo) and allocates the channels; on
    // failure logs the mixer's reason and returns false.
    bool open();
    // Halts every channel, frees every sample and gives back this system's opening of
    // the device. Does nothing more when called again or without a successful open.
    void shutdown();

    // Decodes the whole buffer as a sample named `name`; false (logged) when it does not
    // decode or the name is taken.
    bool loadSample(InBuffer& in, const std::string& name);
    // The volume of every effect (0 to 128), the playing ones included.
    void setEffectVolume(int volume);
    // Starts the named effect once on the lowest free channel at the effect volume; an
    // empty handle, silently, for an unknown name or when every channel is busy.
    ResourceHandle<PlayingSound> play(const std::string& name);
    // True while the effect's channel still plays that very start.
    bool isPlaying(const PlayingSound& sound) const;
    // Halts the effect's channel if it still plays that very start.
    void halt(const PlayingSound& sound);

private:
    struct Sample {
        Mix_Chunk* chunk;
        bool loop;
    };

    int channelCount_ = 0;
    std::map<std::string, Sample> samples_;
    // Per channel, the serial of the effect last started on it.
    std::vector<uint32_t> starts_;
    uint32_t nextSerial_ = 1;
    int effectVolume_ = kEffectVolume;
    bool opened_ = false;
};

}  // namespace nimbus
