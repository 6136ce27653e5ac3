#include "sound/SoundStartup.h"

#include "core/Log.h"
#include "core/ResourceManager.h"

namespace nimbus {

namespace {
struct MusicFile {
    const char* file;
    const char* name;
};
constexpr MusicFile kMusics[] = {{"Menu.music", "Music/Menu"}, {"Game.music", "Music/Game"}};
}  // namespace

bool startSound(InArchive& archive, const std::string& musicDirectory, SoundServices& services) {
    services.sound = std::make_unique<GameSound>();
    if (!services.sound->initialize(archive)) return false;
    services.music = std::make_unique<MusicPlayer>();
    for (const MusicFile& music : kMusics) {
        if (!loadMusic(musicDirectory + "/" + music.file, music.name)) return false;
    }
    return true;
}

bool loadMusic(const std::string& file, const char* name) {
    Mix_Music* music = Mix_LoadMUS(file.c_str());
    if (!music) {
        LOG_ERROR("Failed to load music " << file << " - " << Mix_GetError());
        return false;
    }
    registerResource(name, new MusicEffect(music), MusicEffect::kTypeName);
    return true;
}

bool requestMusic(MusicPlayer& player, const char* name) {
    ResourceHandle<MusicEffect> music = getResource<MusicEffect>(name, MusicEffect::kTypeName);
    return music && player.play(0.0f, 0.0f, music);
}

}  // namespace nimbus
