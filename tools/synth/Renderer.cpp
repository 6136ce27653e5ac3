#include "Renderer.h"

#include <algorithm>
#include <cmath>

#include "EnvelopeShape.h"
#include "Reverb.h"
#include "Voice.h"

namespace nimbus {

namespace {

constexpr double kFadeSeconds = 0.01;
// Below this (60 dB under the loudest sample) the end of a sound counts as silence.
constexpr double kSilence = 1e-3;

double songLength(const Song& song) {
    double end = 0.0;
    for (const NoteEvent& note : song.notes) {
        const Instrument& instrument = song.instruments[note.instrument];
        end = std::max(end, note.start + envelopeLength(instrument.envelope, note.held));
    }
    return end + song.settings.tail;
}

size_t audibleEnd(const MixBus& mix, double peak) {
    size_t end = mix.left.size();
    while (end > 0 && std::abs(mix.left[end - 1]) < kSilence * peak &&
           std::abs(mix.right[end - 1]) < kSilence * peak) {
        --end;
    }
    return end;
}

}  // namespace

RenderedSound renderSong(const Song& song) {
    const SongSettings& settings = song.settings;
    const size_t frames = static_cast<size_t>(songLength(song) * settings.rate) + 1;
    MixBus mix{std::vector<double>(frames, 0.0), std::vector<double>(frames, 0.0),
               std::vector<double>(frames, 0.0)};
    for (size_t i = 0; i < song.notes.size(); ++i) {
        const uint32_t seed = settings.seed * 2654435761u + static_cast<uint32_t>(i) * 40503u + 1u;
        renderNote(song.instruments[song.notes[i].instrument], song.notes[i], settings.rate, seed, mix);
    }

    std::vector<double> wetLeft(frames, 0.0), wetRight(frames, 0.0);
    Reverb(settings.rate, settings.roomSize, settings.roomDamping).process(mix.send, wetLeft, wetRight);
    double peak = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        mix.left[i] += settings.roomLevel * wetLeft[i];
        mix.right[i] += settings.roomLevel * wetRight[i];
        peak = std::max({peak, std::abs(mix.left[i]), std::abs(mix.right[i])});
    }

    const size_t end = std::max<size_t>(audibleEnd(mix, peak), 1);
    const size_t fade = std::min(end, static_cast<size_t>(kFadeSeconds * settings.rate));
    RenderedSound sound;
    sound.rate = settings.rate;
    sound.channels.assign(settings.channels, std::vector<double>(end, 0.0));
    double loudest = 0.0;
    for (size_t i = 0; i < end; ++i) {
        const size_t remaining = end - 1 - i;
        const double taper = remaining < fade ? static_cast<double>(remaining) / fade : 1.0;
        if (settings.channels == 1) {
            sound.channels[0][i] = 0.5 * (mix.left[i] + mix.right[i]) * taper;
        } else {
            sound.channels[0][i] = mix.left[i] * taper;
            sound.channels[1][i] = mix.right[i] * taper;
        }
        for (const auto& channel : sound.channels) loudest = std::max(loudest, std::abs(channel[i]));
    }
    const double scale = loudest > 0.0 ? settings.peak / loudest : 0.0;
    for (auto& channel : sound.channels) {
        for (double& sample : channel) sample *= scale;
    }
    return sound;
}

}  // namespace nimbus
