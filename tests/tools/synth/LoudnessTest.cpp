#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Loudness.h"

namespace nimbus {
namespace {

// Three seconds of a 1 kHz sine of `amplitude` on every channel, `burst` times as loud for
// 5 ms each second. A stereo sine at 1 kHz measures 20 log10(amplitude) LUFS.
RenderedSound tone(int channels, double amplitude, double burst) {
    RenderedSound sound;
    const size_t frames = 3 * static_cast<size_t>(sound.rate);
    sound.channels.assign(channels, std::vector<double>(frames));
    for (size_t i = 0; i < frames; ++i) {
        const double level =
            i % sound.rate < static_cast<size_t>(0.005 * sound.rate) ? burst * amplitude : amplitude;
        for (auto& channel : sound.channels)
            channel[i] = level * std::sin(6.283185307179586 * 1000.0 * i / sound.rate);
    }
    return sound;
}

// A quiet tone whose bursts only softening holds under the ceiling once it is turned up
// ends at the music loudness all the same, and the softening bends the gain gradually
// instead of clicking.
TEST(Loudness, MusicIsBroughtToOneLoudnessWithItsTruePeaksUnderTheCeiling) {
    const RenderedSound original = tone(2, 0.05, 12.0);
    RenderedSound sound = original;
    Loudness before, after;
    ASSERT_TRUE(levelLoudness(sound, before, after));
    EXPECT_NEAR(after.integrated, kMusicLoudness, 0.05);
    EXPECT_LE(after.truePeak, kPeakCeiling);

    // The gain applied changes by at most a 5 ms ramp's step from one sample to the next.
    std::vector<std::pair<size_t, double>> gains;  // where the tone is far enough from zero
    for (size_t i = 0; i < original.frames(); ++i) {
        if (std::abs(original.channels[0][i]) > 1e-3)
            gains.push_back({i, sound.channels[0][i] / original.channels[0][i]});
    }
    double largest = 0.0;
    for (const auto& [at, gain] : gains) largest = std::max(largest, gain);
    for (size_t i = 1; i < gains.size(); ++i) {
        const double apart = static_cast<double>(gains[i].first - gains[i - 1].first);
        ASSERT_LE(std::abs(gains[i].second - gains[i - 1].second),
                  apart * largest / (0.005 * original.rate) + 1e-9)
            << gains[i].first;
    }
}

// An effect follows its music's gain exactly while its peaks stay under the ceiling; one
// that would rise over it is softened there rather than clipped. The game plays an effect's
// one channel on both speakers, so it measures as loud as the same tone in stereo.
TEST(Loudness, AnEffectTakesTheGainOfItsMusicAndKeepsUnderTheCeiling) {
    const struct {
        double amplitude, gain, loudness;  // LUFS after the gain
    } cases[] = {{0.1, 6.0, -14.0}, {0.5, 6.0, kPeakCeiling}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.amplitude) + " by " + std::to_string(c.gain) + " dB");
        RenderedSound sound = tone(1, c.amplitude, 1.0);
        Loudness after;
        ASSERT_TRUE(amplify(sound, c.gain, after));
        EXPECT_NEAR(after.integrated, c.loudness, 0.1);
        EXPECT_LE(after.truePeak, kPeakCeiling);
    }
}

}  // namespace
}  // namespace nimbus
