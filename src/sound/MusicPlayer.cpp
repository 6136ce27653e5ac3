#include "sound/MusicPlayer.h"

namespace nimbus {

namespace {
int milliseconds(float seconds) { return static_cast<int>(seconds * 1000.0f); }
}  // namespace

bool MusicPlayer::play(float fadeOutSeconds, float fadeInSeconds, ResourceHandle<MusicEffect> music) {
    if (pending_) return false;
    pending_ = music;
    fadeInSeconds_ = fadeInSeconds;
    if (current_) Mix_FadeOutMusic(milliseconds(fadeOutSeconds));
    return true;
}

void MusicPlayer::update() {
    if (!pending_ || Mix_FadingMusic() != MIX_NO_FADING) return;
    current_ = pending_;
    pending_.release();
    if (current_->music()) Mix_FadeInMusic(current_->music(), 0, milliseconds(fadeInSeconds_));
    Mix_VolumeMusic(muted_ ? 0 : volume_);
}

void MusicPlayer::setVolume(int volume) {
    volume_ = volume;
    Mix_VolumeMusic(muted_ ? 0 : volume_);
}

void MusicPlayer::setMuted(bool muted) {
    muted_ = muted;
    Mix_VolumeMusic(muted_ ? 0 : volume_);
}

}  // namespace nimbus
