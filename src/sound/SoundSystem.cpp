#include "sound/SoundSystem.h"

#include <SDL_mixer.h>

#include "core/InBuffer.h"
#include "core/Log.h"

namespace nimbus {

SoundSystem::~SoundSystem() { shutdown(); }

bool SoundSystem::open() {
    if (Mix_OpenAudio(kFrequency, AUDIO_S16LSB, 2, kChunkFrames) < 0) {
        LOG_ERROR("Failed to open the audio device - " << Mix_GetError());
        return false;
    }
    opened_ = true;
    int frequency = 0;
    Uint16 format = 0;
    int outputs = 0;
    Mix_QuerySpec(&frequency, &format, &outputs);
    channelCount_ = Mix_AllocateChannels(kChannels);
    starts_.assign(channelCount_ > 0 ? channelCount_ : 0, 0);
    return true;
}

void SoundSystem::shutdown() {
    if (!opened_) return;
    Mix_HaltChannel(-1);
    for (auto& entry : samples_) Mix_FreeChunk(entry.second.chunk);
    samples_.clear();
    Mix_CloseAudio();
    opened_ = false;
    channelCount_ = 0;
    starts_.clear();
}

bool SoundSystem::loadSample(InBuffer& in, const std::string& name) {
    std::vector<unsigned char> bytes(in.bytesLeft() > 0 ? in.bytesLeft() : 0);
    const int32_t got = bytes.empty() ? 0 : in.read(bytes.data(), static_cast<int32_t>(bytes.size()));
    // The mixer would read an empty block through a null pointer: refuse it first.
    if (got <= 0) {
        LOG_ERROR("Failed to decode sound " << name << " from " << in.name() << " - the file is empty");
        return false;
    }
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), got);
    Mix_Chunk* chunk = stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
    if (!chunk) {
        LOG_ERROR("Failed to decode sound " << name << " from " << in.name() << " - " << Mix_GetError());
        return false;
    }
    if (!samples_.emplace(name, Sample{chunk, false}).second) {
        Mix_FreeChunk(chunk);
        LOG_ERROR("Sound " << name << " from " << in.name() << " is already loaded");
        return false;
    }
    return true;
}

void SoundSystem::setEffectVolume(int volume) {
    effectVolume_ = volume;
    if (opened_) Mix_Volume(-1, volume);
}

ResourceHandle<PlayingSound> SoundSystem::play(const std::string& name) {
    const auto found = samples_.find(name);
    if (found == samples_.end()) return ResourceHandle<PlayingSound>();
    int channel = 0;
    while (channel < channelCount_ && Mix_Playing(channel)) ++channel;
    if (channel == channelCount_) return ResourceHandle<PlayingSound>();
    const Sample& sample = found->second;
    if (Mix_PlayChannelTimed(channel, sample.chunk, sample.loop ? -1 : 0, -1) < 0) {
        return ResourceHandle<PlayingSound>();
    }
    Mix_Volume(channel, effectVolume_);
    const uint32_t serial = nextSerial_++;
    starts_[channel] = serial;
    return ResourceHandle<PlayingSound>(new PlayingSound(this, sample.chunk, channel, serial));
}

bool SoundSystem::isPlaying(const PlayingSound& sound) const {
    const int channel = sound.channel();
    if (channel < 0 || channel >= channelCount_) return false;
    return starts_[channel] == sound.serial() && Mix_Playing(channel);
}

void SoundSystem::halt(const PlayingSound& sound) {
    if (isPlaying(sound)) Mix_HaltChannel(sound.channel());
}

}  // namespace nimbus
