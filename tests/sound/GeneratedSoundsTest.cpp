#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/SoundSystem.h"

using namespace nimbus;

namespace {

// A file decoded into the device's format (22050 Hz, 16-bit stereo) and measured.
struct Decoded {
    bool ok = false;
    std::vector<int16_t> samples;  // interleaved left, right
    double seconds() const { return samples.size() / 2.0 / SoundSystem::kFrequency; }
    // Loudest sample and RMS, of full scale, over [from, to) seconds.
    double peak(double from = 0.0, double to = 1e9) const {
        double loudest = 0.0;
        for (size_t i = index(from); i < index(to); ++i)
            loudest = std::max(loudest, std::abs(samples[i] / 32768.0));
        return loudest;
    }
    double rms() const {
        double squares = 0.0;
        for (int16_t sample : samples) squares += (sample / 32768.0) * (sample / 32768.0);
        return samples.empty() ? 0.0 : std::sqrt(squares / samples.size());
    }
    // Samples at the very ends of the 16-bit range: the mark of a clipped render.
    size_t clipped() const {
        return std::count_if(samples.begin(), samples.end(),
                             [](int16_t s) { return s >= 32767 || s <= -32767; });
    }
    size_t index(double seconds) const {
        return std::min(samples.size(),
                        2 * static_cast<size_t>(std::max(seconds, 0.0) * SoundSystem::kFrequency));
    }
};

class GeneratedSoundsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(device_.open()); }
    static void TearDownTestSuite() { device_.shutdown(); }

    // Mix_LoadWAV takes WAV and Ogg Vorbis alike and converts to the device's format.
    static Decoded decode(const std::string& file) {
        Decoded decoded;
        Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
        if (!chunk) return decoded;
        const int16_t* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        decoded.samples.assign(samples, samples + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        decoded.ok = true;
        return decoded;
    }

    static SoundSystem device_;
};

SoundSystem GeneratedSoundsTest::device_;

struct Bounds {
    const char* name;
    double shortest, longest;  // seconds
    double rmsFloor;
};

TEST_F(GeneratedSoundsTest, EveryEffectDecodesAtItsIntendedLengthAudibleAndUnclipped) {
    const Bounds effects[] = {
        {"Move", 0.15, 0.5, 0.03},    {"Twist", 0.15, 0.5, 0.03}, {"Failed", 0.25, 0.8, 0.05},
        {"EndLevel", 1.2, 3.5, 0.04}, {"Death", 0.8, 2.5, 0.03},  {"LifeJingle", 1.2, 3.5, 0.04},
        {"TickTock", 4.4, 5.2, 0.01},
    };
    for (const Bounds& effect : effects) {
        const std::string file =
            std::string(NIMBUS_DATA_DIR) + "/Levels/Common/Sounds/" + effect.name + ".sound";
        const Decoded sound = decode(file);
        ASSERT_TRUE(sound.ok) << file << ": " << Mix_GetError();
        EXPECT_GE(sound.seconds(), effect.shortest) << effect.name;
        EXPECT_LE(sound.seconds(), effect.longest) << effect.name;
        EXPECT_GT(sound.peak(), 0.3) << effect.name;
        EXPECT_GT(sound.rms(), effect.rmsFloor) << effect.name;
        EXPECT_EQ(sound.clipped(), 0u) << effect.name;
        EXPECT_LT(sound.peak(sound.seconds() - 0.005), 0.01)
            << effect.name << " ends in silence, not a click";
    }
}

TEST_F(GeneratedSoundsTest, TheClockTicksForFiveSecondsAndHurriesInTheLast) {
    const Decoded clock = decode(std::string(NIMBUS_DATA_DIR) + "/Levels/Common/Sounds/TickTock.sound");
    ASSERT_TRUE(clock.ok);
    std::vector<double> ticks;
    for (int tick = 0; tick < 8; ++tick) ticks.push_back(0.5 * tick);
    for (int tick = 0; tick < 4; ++tick) ticks.push_back(4.0 + 0.25 * tick);
    for (double at : ticks) {
        EXPECT_GT(clock.peak(at, at + 0.05), 0.25) << "a tick at " << at << " s";
        EXPECT_LT(clock.peak(at + 0.15, at + 0.25), 0.05) << "quiet after the tick at " << at << " s";
    }
}

TEST_F(GeneratedSoundsTest, BothMusicsLoadAsMusicAndLastOverTwoMinutesWithoutGaps) {
    for (const char* name : {"Menu", "Game"}) {
        const std::string file = std::string(NIMBUS_DATA_DIR) + "/Music/" + name + ".music";
        Mix_Music* music = Mix_LoadMUS(file.c_str());
        EXPECT_NE(music, nullptr) << file << ": " << Mix_GetError();
        if (music) Mix_FreeMusic(music);

        const Decoded track = decode(file);
        ASSERT_TRUE(track.ok) << file << ": " << Mix_GetError();
        EXPECT_GE(track.seconds(), 120.0) << name;
        EXPECT_LE(track.seconds(), 200.0) << name;
        EXPECT_GT(track.peak(), 0.4) << name;
        EXPECT_GT(track.rms(), 0.05) << name;
        EXPECT_EQ(track.clipped(), 0u) << name;
        // Every stretch of four seconds before the final ring-out carries music.
        for (double at = 0.0; at + 4.0 < track.seconds() - 4.0; at += 4.0) {
            EXPECT_GT(track.peak(at, at + 4.0), 0.1) << name << " is silent from " << at << " s";
        }
    }
}

}  // namespace
