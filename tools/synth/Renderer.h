#pragma once

#include <vector>

#include "Song.h"

namespace nimbus {

// The finished sound: one or two channels of samples in -1..1 at the song's rate.
struct RenderedSound {
    int rate = 22050;
    std::vector<std::vector<double>> channels;
    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// Mixes every note and the room, trims the silence after the last sound, ends on a short
// fade to zero and scales the whole so that its loudest sample is the song's peak.
RenderedSound renderSong(const Song& song);

}  // namespace nimbus
