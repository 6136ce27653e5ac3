#pragma once

#include "core/ResourceHandle.h"
#include "sound/MusicEffect.h"

namespace nimbus {

// Plays one music at a time and replaces it by fading: a requested music waits as the
// pending one until the current one has faded out, then fades in at the music volume.
// Only one change can be pending; a music that ends is not restarted and stays current.
// Muting silences the music without forgetting its volume.
class MusicPlayer {
public:
    static constexpr int kMusicVolume = 51;

    // Starts a change to `music`, fading the current one out over `fadeOutSeconds`; the
    // new one will fade in over `fadeInSeconds`. False (the request dropped) while
    // another change is pending.
    bool play(float fadeOutSeconds, float fadeInSeconds, ResourceHandle<MusicEffect> music);
    // Once per frame: starts the pending music once no fade is in progress.
    void update();
    // The music volume on the mixer's scale (0 to 128), applied at once.
    void setVolume(int volume);
    void setMuted(bool muted);
    int volume() const { return volume_; }
    bool muted() const { return muted_; }

    const ResourceHandle<MusicEffect>& current() const { return current_; }
    const ResourceHandle<MusicEffect>& pending() const { return pending_; }

private:
    ResourceHandle<MusicEffect> current_;
    ResourceHandle<MusicEffect> pending_;
    float fadeInSeconds_ = 0.0f;
    int volume_ = kMusicVolume;
    bool muted_ = false;
};

}  // namespace nimbus
