#include "sound/SoundStartup.h"

#include "core/Log.h"
#include "core/ResourceManager.h"

namespace nimbus {

namespace {

// Loads `file` with the mixer and registers it in the process-wide resource manager as
// `name`; false (logged with the mixer's reason) when it does not load.
bool loadMusic(const std::string& file, const char* name) {
    Mix_Music* music = Mix_LoadMUS(file.c_str());
    if (!music) {
        LOG_ERROR("Failed to load music " << file << " - " << Mix_GetError());
        return false;
    }
    registerResource(name, new MusicEffect(music), MusicEffect::kTypeName);
    return true;
}

}  // namespace

bool startSound(InArchive& archive, const SoundFiles& files, SoundServices& services) {
    services.sound = std::make_unique<GameSound>();
    services.music = std::make_unique<MusicPlayer>();
    // A device that did not open has been reported, and a silent game needs no music.
    if (!services.sound->initialize(archive, files.effects)) return !services.sound->initialized();
    for (const MusicFile& music : files.musics) {
        if (!loadMusic(music.file, music.name)) return false;
        services.musicNames.push_back(music.name);
    }
    return true;
}

void stopSound(SoundServices& services) {
    // The player may still hold a music, and every music must be freed while the device
    // is open: the resource manager outlives the sound.
    services.music.reset();
    for (const std::string& name : services.musicNames)
        registerResource<MusicEffect>(name.c_str(), nullptr, MusicEffect::kTypeName);
    services.musicNames.clear();
    services.sound.reset();
}

bool requestMusic(MusicPlayer& player, const char* name) {
    ResourceHandle<MusicEffect> music = getResource<MusicEffect>(name, MusicEffect::kTypeName);
    return music && player.play(0.0f, 0.0f, music);
}

}  // namespace nimbus
