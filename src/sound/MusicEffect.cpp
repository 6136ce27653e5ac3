#include "sound/MusicEffect.h"

namespace nimbus {

MusicEffect::~MusicEffect() {
    if (music_) Mix_FreeMusic(music_);
}

}  // namespace nimbus
