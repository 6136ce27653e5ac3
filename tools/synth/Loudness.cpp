#include "Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Log.h"

namespace nimbus {

namespace {

// A softened peak is turned down over the 5 ms before it and comes back over 50 ms: quick
// enough to leave the beat alone, slow enough not to distort the tone.
constexpr double kAttackSeconds = 0.005;
constexpr double kReleaseSeconds = 0.05;
constexpr int kAttempts = 8;
constexpr double kTolerance = 0.05;  // LU
constexpr size_t kChunkFrames = 4096;

double fromDecibels(double decibels) { return std::pow(10.0, decibels / 20.0); }

void scale(RenderedSound& sound, double factor) {
    for (auto& channel : sound.channels) {
        for (double& sample : channel) sample *= factor;
    }
}

// Turns the sound down around every sample louder than `threshold` (of full scale) just
// enough to bring it there, ramping the gain in and out so the sound bends instead of
// clipping.
void softenPeaks(RenderedSound& sound, double threshold) {
    const size_t frames = sound.frames();
    std::vector<double> gain(frames, 1.0);
    for (size_t i = 0; i < frames; ++i) {
        double loudest = 0.0;
        for (const auto& channel : sound.channels) loudest = std::max(loudest, std::abs(channel[i]));
        if (loudest > threshold) gain[i] = threshold / loudest;
    }
    const double attack = 1.0 / (kAttackSeconds * sound.rate);
    const double release = 1.0 / (kReleaseSeconds * sound.rate);
    for (size_t i = frames; i-- > 1;) gain[i - 1] = std::min(gain[i - 1], gain[i] + attack);
    for (size_t i = 1; i < frames; ++i) gain[i] = std::min(gain[i], gain[i - 1] + release);
    for (auto& channel : sound.channels) {
        for (size_t i = 0; i < frames; ++i) channel[i] *= gain[i];
    }
}

}  // namespace

bool measureLoudness(const RenderedSound& sound, Loudness& loudness) {
    const unsigned channels = static_cast<unsigned>(sound.channels.size());
    ebur128_state* meter = channels ? ebur128_init(channels, static_cast<unsigned long>(sound.rate),
                                                   EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK)
                                    : nullptr;
    if (!meter) {
        LOG_ERROR("Cannot measure the loudness of " << channels << " channels at " << sound.rate << " Hz");
        return false;
    }
    // The game plays a one-channel effect on both speakers, which sounds 3 dB louder than on one.
    if (channels == 1) ebur128_set_channel(meter, 0, EBUR128_DUAL_MONO);
    std::vector<double> interleaved;
    for (size_t done = 0; done < sound.frames(); done += kChunkFrames) {
        const size_t count = std::min(kChunkFrames, sound.frames() - done);
        interleaved.clear();
        for (size_t i = done; i < done + count; ++i) {
            for (const auto& channel : sound.channels) interleaved.push_back(channel[i]);
        }
        ebur128_add_frames_double(meter, interleaved.data(), count);
    }
    double peak = 0.0;
    for (unsigned c = 0; c < channels; ++c) {
        double channelPeak = 0.0;
        ebur128_true_peak(meter, c, &channelPeak);
        peak = std::max(peak, channelPeak);
    }
    ebur128_loudness_global(meter, &loudness.integrated);
    loudness.truePeak = 20.0 * std::log10(peak);
    ebur128_destroy(&meter);
    return true;
}

bool amplify(RenderedSound& sound, double gain, Loudness& after) {
    const RenderedSound original = sound;
    double threshold = fromDecibels(kPeakCeiling);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        sound = original;
        scale(sound, fromDecibels(gain));
        softenPeaks(sound, threshold);
        if (!measureLoudness(sound, after)) return false;
        if (after.truePeak <= kPeakCeiling) return true;
        // The peaks between the samples rise over the samples' own: hold the samples lower.
        threshold *= fromDecibels(kPeakCeiling - after.truePeak - 0.01);
    }
    LOG_ERROR("The true peak stays at " << after.truePeak << " dBTP, over " << kPeakCeiling);
    return false;
}

bool levelLoudness(RenderedSound& sound, Loudness& before, Loudness& after) {
    if (!measureLoudness(sound, before)) return false;
    if (!std::isfinite(before.integrated)) {
        LOG_ERROR("A music must sound for at least 0.4 s to be brought to " << kMusicLoudness << " LUFS");
        return false;
    }
    const RenderedSound original = sound;
    double gain = kMusicLoudness - before.integrated;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        sound = original;
        if (!amplify(sound, gain, after)) return false;
        if (std::abs(after.integrated - kMusicLoudness) <= kTolerance) return true;
        // Softened peaks take a little loudness with them: ask that much more of the gain.
        gain += kMusicLoudness - after.integrated;
    }
    LOG_ERROR("The music stays at " << after.integrated << " LUFS instead of " << kMusicLoudness);
    return false;
}

std::string describeLoudness(const Loudness& loudness) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f LUFS, true peak %.1f dBTP", loudness.integrated,
                  loudness.truePeak);
    return text;
}

}  // namespace nimbus
