#pragma once

#include <memory>
#include <string>

#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"

namespace nimbus {

class InArchive;

// The application's sound step of start-up and what its states need of the music.
// The application owns what `startSound` creates; it destroys the music player before
// the resource manager and both before its GameSound, which closes the device last.

// What the sound step hands the application.
struct SoundServices {
    std::unique_ptr<GameSound> sound;
    std::unique_ptr<MusicPlayer> music;
};

// Creates and initialises the GameSound (effects from the archive), then the music
// player, then loads and registers "Music/Menu" and "Music/Game" from
// `musicDirectory` ("Data/Music" beside the executable). Stops at the first failure
// and returns false; what was created is in `services` either way.
bool startSound(InArchive& archive, const std::string& musicDirectory, SoundServices& services);

// Loads `file` with the mixer and registers it in the process-wide resource manager as
// `name` of type "Music"; false (logged with the mixer's reason) when it does not load.
bool loadMusic(const std::string& file, const char* name);

// Asks the player for the registered music `name` with no fades; false when no such
// music is registered or another change is pending.
bool requestMusic(MusicPlayer& player, const char* name);

}  // namespace nimbus
