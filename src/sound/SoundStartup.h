#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Path.h"
#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"

namespace nimbus {

class InArchive;

// The game's sound step, the one way sound starts and stops, and what its states need of
// the music.

// A music of the game: its file, as the mixer opens it, and the name it is registered
// under.
struct MusicFile {
    std::string file;
    const char* name;
};

// Where the sound finds its files: the archive folder of the effects (each ".sound" file
// an effect named by its stem) and the musics.
struct SoundFiles {
    Path effects;
    std::vector<MusicFile> musics;
};

// What the sound step creates; its owner lets stopSound take it down.
struct SoundServices {
    std::unique_ptr<GameSound> sound;
    std::unique_ptr<MusicPlayer> music;
    // The names of the musics registered.
    std::vector<std::string> musicNames;
};

// Creates the GameSound and the music player, opens the device and loads the effects
// through the archive, then loads the musics into the process-wide resource manager,
// which must exist. Without a working device the game plays silently: the device's
// failure is reported once, no music is loaded, and the start goes on (true). A device
// that opened but an effect or a music that did not load is a damaged installation: one
// line names the file, and the start stops (false). What was created is in `services`
// either way.
bool startSound(InArchive& archive, const SoundFiles& files, SoundServices& services);

// Takes down what startSound created, in the order the mixer needs: the player, then the
// musics it registered (their names stay, holding nothing), then the device. The
// resource manager may go after.
void stopSound(SoundServices& services);

// Asks the player for the registered music `name` with no fades; false when no such
// music is registered or another change is pending.
bool requestMusic(MusicPlayer& player, const char* name);

}  // namespace nimbus
