#pragma once

#include <SDL_mixer.h>

namespace nimbus {

// One decoded-on-demand music stream of the mixer, kept in the resource manager under
// the type name "Music". It owns the stream and frees it when destroyed.
class MusicEffect {
public:
    static constexpr const char* kTypeName = "Music";

    // Takes ownership of the stream; a null stream is allowed and plays nothing.
    explicit MusicEffect(Mix_Music* music) : music_(music) {}
    ~MusicEffect();
    MusicEffect(const MusicEffect&) = delete;
    MusicEffect& operator=(const MusicEffect&) = delete;

    Mix_Music* music() const { return music_; }

private:
    Mix_Music* music_;
};

}  // namespace nimbus
