#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>

#include "EnvelopeShape.h"
#include "Loudness.h"
#include "Renderer.h"
#include "ScoreParser.h"
#include "SoundWriters.h"
#include "StateVariableFilter.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Renders a one-bar song (four beats a second long each) with the given settings and
// instrument lines, playing `notes` on it.
RenderedSound render(const std::string& settings, const std::string& instrument, const std::string& notes) {
    Song song;
    const std::string score = "tempo 60\n" + settings + "\ninstrument i\n" + instrument +
                              "\nend\npattern p i\n  " + notes + "\nend\nsection s 1\n  p\nend\nsong s\n";
    EXPECT_TRUE(parseScore(score, "test.score", song)) << score;
    return renderSong(song);
}

double peakOf(const std::vector<double>& samples) {
    double peak = 0.0;
    for (double sample : samples) peak = std::max(peak, std::abs(sample));
    return peak;
}

// The fundamental of a stretch of samples, by autocorrelation with parabolic refinement
// of the best lag; searched between 100 and 4000 Hz.
double pitchOf(const std::vector<double>& samples, size_t from, size_t count, int rate) {
    const int lowest = rate / 4000, highest = rate / 100;
    std::vector<double> score(highest + 2, 0.0);
    for (int lag = lowest; lag <= highest + 1; ++lag) {
        for (size_t i = from; i < from + count; ++i) score[lag] += samples[i] * samples[i + lag];
    }
    // The first lag that comes close to the best one is the period, not a multiple of it.
    const double best = *std::max_element(score.begin() + lowest + 1, score.begin() + highest + 1);
    int lag = lowest + 1;
    while (!(score[lag] >= 0.9 * best && score[lag] >= score[lag - 1] && score[lag] >= score[lag + 1])) ++lag;
    const double a = score[lag - 1], b = score[lag], c = score[lag + 1];
    const double shift = 0.5 * (a - c) / (a - 2.0 * b + c);
    return rate / (lag + shift);
}

// Measured some way into the note (seconds); a string that rings around an offset wastes
// headroom and thumps when it stops.
TEST(Renderer, PluckedAndBentNotesSoundAtTheirPitch) {
    const std::tuple<const char*, const char*, double, double> cases[] = {
        {"osc pluck decay 2 bright 0.5", "a4:2", 440.0, 0.3},
        {"osc pluck decay 2 bright 0.5", "a6:2", 1760.0, 0.05},  // high strings die fast
        {"osc pluck decay 2 bright 0.5", "c3:2", 130.81, 0.3},
        {"osc sine\n bend 12 0.2", "a3:2", 440.0, 0.3},  // slid an octave up from A 220
        {"osc saw\n pitch -7 0.05", "e4:2", 329.63, 0.3}};
    for (const auto& [instrument, note, hertz, from] : cases) {
        const RenderedSound sound = render("channels 1\nroom 0 0 0", instrument, note);
        ASSERT_GT(sound.frames(), 22050u);
        const size_t first = static_cast<size_t>(from * sound.rate);
        const double measured = pitchOf(sound.channels[0], first, 1024, sound.rate);
        EXPECT_NEAR(measured / hertz, 1.0, 0.005) << instrument << " " << note << ": " << measured << " Hz";
        const std::vector<double> stretch(sound.channels[0].begin() + first,
                                          sound.channels[0].begin() + first + 1024);
        const double offset = std::accumulate(stretch.begin(), stretch.end(), 0.0) / 1024.0;
        EXPECT_LT(std::abs(offset), 0.02 * peakOf(stretch)) << note;
    }
}

TEST(Renderer, TheLoudestSampleLandsOnThePeakAndTheSoundEndsAtZero) {
    const RenderedSound sound =
        render("peak 0.55\nroom 0.5 0.5 1", "osc saw\n osc square ratio 1.5\n reverb 0.8",
               "c3+e3+g3+c4:2@1.5 c2:2@2");
    ASSERT_EQ(sound.channels.size(), 2u);
    const double peak = std::max(peakOf(sound.channels[0]), peakOf(sound.channels[1]));
    EXPECT_NEAR(peak, 0.55, 1e-12);
    for (const auto& channel : sound.channels) {
        EXPECT_EQ(channel.back(), 0.0);
        EXPECT_LT(std::abs(channel.front()), 1e-3) << "notes rise from silence";
    }
}

TEST(Renderer, SilenceAfterTheLastSoundIsTrimmedButTheRoomRingsOut) {
    // A percussive note dies 0.205 s in; the tail setting only leaves room for the reverb.
    const std::string drum = "osc noise\n envelope 0.005 0.1 0 0.05\n reverb 1";
    const RenderedSound dry = render("channels 1\ntail 3\nroom 0.5 0.5 0", drum, "x:4");
    const RenderedSound wet = render("channels 1\ntail 3\nroom 0.9 0.5 1", drum, "x:4");
    EXPECT_GT(dry.frames(), static_cast<size_t>(0.1 * dry.rate));
    EXPECT_LE(dry.frames(), static_cast<size_t>(0.21 * dry.rate));
    EXPECT_GT(wet.frames(), dry.frames() + static_cast<size_t>(0.3 * wet.rate));
    EXPECT_LT(wet.frames(), static_cast<size_t>(3.3 * wet.rate));
}

TEST(Renderer, PanningChannelsAndSeedsShapeTheOutput) {
    const RenderedSound left = render("room 0 0 0", "osc sine\n pan -1", "a4:1");
    ASSERT_EQ(left.channels.size(), 2u);
    EXPECT_GT(peakOf(left.channels[0]), 0.5);
    EXPECT_EQ(peakOf(left.channels[1]), 0.0);
    const RenderedSound mono = render("channels 1\nroom 0 0 0", "osc sine\n spread 20", "a4:1");
    ASSERT_EQ(mono.channels.size(), 1u);
    EXPECT_GT(peakOf(mono.channels[0]), 0.5);
    // The same seed gives the same samples, another seed other noise.
    const std::string noisy = "osc noise\n osc saw level 0.3\n reverb 0.5";
    const RenderedSound first = render("seed 3", noisy, "c4:1 x:1");
    const RenderedSound again = render("seed 3", noisy, "c4:1 x:1");
    const RenderedSound other = render("seed 4", noisy, "c4:1 x:1");
    EXPECT_EQ(first.channels, again.channels);
    EXPECT_NE(first.channels, other.channels);
}

TEST(Envelope, RisesFromZeroStaysWithinOneAndEndsExactlyAtItsLength) {
    const Envelope shapes[] = {
        {0.005, 0.2, 1.0, 0.08},  // organ-like
        {0.05, 0.3, 0.4, 0.5},    // pad
        {0.002, 0.1, 0.0, 0.02},  // percussive: dies on its own
        {0.3, 0.1, 0.7, 0.1},     // released before its rise is over
    };
    const double helds[] = {0.01, 0.15, 1.0};
    const int rate = 22050;
    for (const Envelope& e : shapes) {
        for (double held : helds) {
            const double length = envelopeLength(e, held);
            SCOPED_TRACE(std::to_string(e.attack) + " held " + std::to_string(held));
            double previous = envelopeLevel(e, 0.0, held);
            EXPECT_EQ(previous, 0.0);
            for (int i = 1; i <= static_cast<int>(length * rate) + 10; ++i) {
                const double level = envelopeLevel(e, static_cast<double>(i) / rate, held);
                ASSERT_TRUE(level >= 0.0 && level <= 1.0) << level;
                // No jump bigger than the steepest allowed rise over one sample: no click.
                ASSERT_LT(std::abs(level - previous), 0.05) << i;
                previous = level;
            }
            EXPECT_LT(envelopeLevel(e, length, held), 1e-12);
            EXPECT_EQ(envelopeLevel(e, length + 1.0 / rate, held), 0.0);
            EXPECT_GT(envelopeLevel(e, 0.5 * std::min(length, e.attack + e.decay), held), 0.0);
        }
    }
}

// The gain of the filter for a sine of `hertz`, after it has settled.
double filterGain(FilterMode mode, double cutoff, double hertz) {
    const int rate = 22050;
    StateVariableFilter filter;
    filter.tune(cutoff, 0.707, rate);
    double peak = 0.0;
    for (int i = 0; i < rate / 2; ++i) {
        const double out = filter.process(mode, std::sin(kTwoPi * hertz * i / rate));
        if (i > rate / 4) peak = std::max(peak, std::abs(out));
    }
    return peak;
}

// A cutoff above the output's range is held below it instead of blowing up.
TEST(StateVariableFilter, PassesAndStopsTheRightBandsAndStaysStableWhileSwept) {
    const std::tuple<FilterMode, double, double, double, double> cases[] = {
        {FilterMode::LowPass, 1000, 100, 0.98, 1.02},     {FilterMode::LowPass, 1000, 8000, 0, 0.03},
        {FilterMode::HighPass, 1000, 8000, 0.95, 1.05},   {FilterMode::HighPass, 1000, 100, 0, 0.03},
        {FilterMode::BandPass, 1000, 1000, 0.657, 0.757}, {FilterMode::BandPass, 1000, 60, 0, 0.1},
        {FilterMode::LowPass, 20000, 5000, 0, 1.5}};
    for (const auto& [mode, cutoff, hertz, low, high] : cases) {
        const double gain = filterGain(mode, cutoff, hertz);
        EXPECT_TRUE(gain >= low && gain <= high)
            << static_cast<int>(mode) << " " << cutoff << " " << hertz << ": " << gain;
    }

    StateVariableFilter swept;
    for (int i = 0; i < 22050; ++i) {
        if (i % 8 == 0) swept.tune(i % 16 == 0 ? 80.0 : 9000.0, 20.0, 22050);
        ASSERT_LT(std::abs(swept.process(FilterMode::LowPass, std::sin(i * 0.3))), 100.0) << i;
    }
}

RenderedSound tone(int channels, double seconds, double amplitude) {
    RenderedSound sound;
    sound.rate = 22050;
    const size_t frames = static_cast<size_t>(seconds * sound.rate);
    sound.channels.assign(channels, std::vector<double>(frames));
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c)
            sound.channels[c][i] = amplitude * std::sin(kTwoPi * 440.0 * (c + 1) * i / sound.rate);
    }
    return sound;
}

TEST(WavWriter, WritesSixteenBitPcmThatSdlReadsBackSampleForSample) {
    TempFolder files;
    RenderedSound sound = tone(2, 0.01, 0.5);
    sound.channels[0][0] = 1.7;  // beyond full scale: held at the top, never wrapped
    sound.channels[1][0] = -2.0;
    sound.channels[0][1] = 0.5;
    const std::string path = files.file("tone.sound");
    ASSERT_TRUE(writeWav(sound, path));

    SDL_AudioSpec audio;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(path.c_str(), &audio, &data, &bytes), nullptr) << SDL_GetError();
    EXPECT_EQ(audio.freq, 22050);
    EXPECT_EQ(audio.channels, 2);
    EXPECT_EQ(audio.format, AUDIO_S16LSB);
    ASSERT_EQ(bytes, sound.frames() * 4);
    const int16_t* samples = reinterpret_cast<const int16_t*>(data);
    EXPECT_EQ((std::vector<int16_t>{32767, -32767, 16384}), std::vector<int16_t>(samples, samples + 3));
    for (size_t i = 2; i < sound.frames(); ++i)
        EXPECT_NEAR(samples[2 * i + 1] / 32767.0, sound.channels[1][i], 1.0 / 32767.0);
    SDL_FreeWAV(data);
}

// The stream is the same bytes for the same sound every time.
TEST(VorbisWriter, WritesAStreamTheMixerDecodesAtItsLengthAndLoudness) {
    TempFolder files;
    const RenderedSound sound = tone(2, 1.5, 0.5);
    const std::string path = files.file("tone.music"), again = files.file("again.music");
    ASSERT_TRUE(writeVorbis(sound, 0.3, path));
    ASSERT_TRUE(writeVorbis(sound, 0.3, again));
    EXPECT_EQ(readFile(path), readFile(again));

    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const size_t frames = chunk->alen / 4;
    EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(sound.frames()), 64.0);
    const int16_t* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
    double squares = 0.0;
    for (size_t i = 0; i < frames; ++i) squares += std::pow(samples[2 * i] / 32768.0, 2.0);
    EXPECT_NEAR(std::sqrt(squares / frames), 0.5 / std::sqrt(2.0), 0.02);
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();

    LogCapture log;
    EXPECT_FALSE(writeWav(sound, "/nonexistent/dir/Move.sound"));
    EXPECT_FALSE(writeVorbis(sound, 0.3, "/nonexistent/dir/Menu.music"));
    EXPECT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(log.saw({"/nonexistent/dir/Move.sound"}) && log.saw({"/nonexistent/dir/Menu.music"}));
}

// Three seconds of a 1 kHz sine of `amplitude` on every channel, `burst` times as loud for
// 5 ms each second. A stereo sine at 1 kHz measures 20 log10(amplitude) LUFS.
RenderedSound burstTone(int channels, double amplitude, double burst) {
    RenderedSound sound;
    const size_t frames = 3 * static_cast<size_t>(sound.rate);
    sound.channels.assign(channels, std::vector<double>(frames));
    for (size_t i = 0; i < frames; ++i) {
        const double level =
            i % sound.rate < static_cast<size_t>(0.005 * sound.rate) ? burst * amplitude : amplitude;
        for (auto& channel : sound.channels) channel[i] = level * std::sin(kTwoPi * 1000.0 * i / sound.rate);
    }
    return sound;
}

// A quiet tone whose bursts only softening holds under the ceiling once it is turned up
// ends at the music loudness all the same, and the softening bends the gain gradually
// instead of clicking.
TEST(Loudness, MusicIsBroughtToOneLoudnessWithItsTruePeaksUnderTheCeiling) {
    const RenderedSound original = burstTone(2, 0.05, 12.0);
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
        RenderedSound sound = burstTone(1, c.amplitude, 1.0);
        Loudness after;
        ASSERT_TRUE(amplify(sound, c.gain, after));
        EXPECT_NEAR(after.integrated, c.loudness, 0.1);
        EXPECT_LE(after.truePeak, kPeakCeiling);
    }
}

}  // namespace
}  // namespace nimbus
