#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Loudness.h"
#include "sound/SoundSystem.h"

using namespace nimbus;

namespace {

// A file of the data directory decoded as the game decodes it: Mix_LoadWAV takes WAV and
// Ogg Vorbis alike and converts to the device's format (22050 Hz, 16-bit stereo).
struct Decoded {
    explicit Decoded(const std::string& file) {
        Mix_Chunk* chunk = Mix_LoadWAV((std::string(NIMBUS_DATA_DIR) + "/" + file).c_str());
        if (!chunk) return;
        const int16_t* begin = reinterpret_cast<const int16_t*>(chunk->abuf);
        for (const int16_t* s = begin; s < begin + chunk->alen / 2; ++s) samples.push_back(*s / 32768.0);
        Mix_FreeChunk(chunk);
    }
    double seconds() const { return samples.size() / 2.0 / SoundSystem::kFrequency; }
    // Loudest sample over [from, to) seconds.
    double peak(double from = 0.0, double to = 1e9) const {
        auto index = [&](double at) {
            return std::min(samples.size(),
                            2 * static_cast<size_t>(std::max(at, 0.0) * SoundSystem::kFrequency));
        };
        double loudest = 0.0;
        for (size_t i = index(from); i < index(to); ++i) loudest = std::max(loudest, std::abs(samples[i]));
        return loudest;
    }
    double rms() const {
        double squares = 0.0;
        for (double sample : samples) squares += sample * sample;
        return samples.empty() ? 0.0 : std::sqrt(squares / samples.size());
    }
    Loudness loudness() const {
        RenderedSound sound;
        sound.rate = SoundSystem::kFrequency;
        sound.channels.resize(2);
        for (size_t i = 0; i < samples.size(); ++i) sound.channels[i % 2].push_back(samples[i]);
        Loudness measured;
        EXPECT_TRUE(measureLoudness(sound, measured));
        return measured;
    }
    std::vector<double> samples;  // of full scale, interleaved left, right
};

// Every effect and music at its intended length, audible, unclipped (no sample at the
// ends of the 16-bit range), ending in silence rather than a click, and the musics
// without a silent stretch of four seconds before their final ring-out, both at the one
// music loudness so that the level holds when a level starts. The clock ticks
// eight times half a second apart, then four times a quarter apart in its last second.
TEST(GeneratedSounds, EveryEffectAndMusicSoundsAsIntendedAndTheClockHurriesInItsLastSecond) {
    SoundSystem device;
    ASSERT_TRUE(device.open());
    const struct {
        const char* file;
        double shortest, longest;  // seconds
        double peakFloor, rmsFloor;
    } files[] = {
        {"Levels/Common/Sounds/Move.sound", 0.15, 0.5, 0.3, 0.03},
        {"Levels/Common/Sounds/Twist.sound", 0.15, 0.5, 0.3, 0.03},
        {"Levels/Common/Sounds/Failed.sound", 0.25, 0.8, 0.3, 0.05},
        {"Levels/Common/Sounds/EndLevel.sound", 1.2, 3.5, 0.3, 0.04},
        {"Levels/Common/Sounds/Death.sound", 0.8, 2.5, 0.3, 0.03},
        {"Levels/Common/Sounds/LifeJingle.sound", 1.2, 3.5, 0.3, 0.04},
        {"Levels/Common/Sounds/TickTock.sound", 4.4, 5.2, 0.3, 0.01},
        {"Music/Menu.music", 120.0, 200.0, 0.4, 0.05},
        {"Music/Game.music", 120.0, 200.0, 0.4, 0.05},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const Decoded sound(f.file);
        ASSERT_FALSE(sound.samples.empty()) << Mix_GetError();
        EXPECT_TRUE(sound.seconds() >= f.shortest && sound.seconds() <= f.longest) << sound.seconds() << " s";
        EXPECT_GT(sound.peak(), f.peakFloor);
        EXPECT_GT(sound.rms(), f.rmsFloor);
        EXPECT_LT(sound.peak(), 32767 / 32768.0);
        EXPECT_LT(sound.peak(sound.seconds() - 0.005), 0.01);
        for (double at = 0.0; at + 4.0 < sound.seconds() - 4.0; at += 4.0)
            EXPECT_GT(sound.peak(at, at + 4.0), 0.1) << "silent from " << at << " s";
        if (std::string(f.file).rfind("Music/", 0) == 0) {
            const Loudness loudness = sound.loudness();
            EXPECT_NEAR(loudness.integrated, kMusicLoudness, 1.0);
            EXPECT_LE(loudness.truePeak, kPeakCeiling);
        }
    }
    const Decoded clock("Levels/Common/Sounds/TickTock.sound");
    for (int tick = 0; tick < 12; ++tick) {
        const double at = tick < 8 ? 0.5 * tick : 4.0 + 0.25 * (tick - 8);
        EXPECT_GT(clock.peak(at, at + 0.05), 0.25) << "a tick at " << at << " s";
        EXPECT_LT(clock.peak(at + 0.15, at + 0.25), 0.05) << "quiet after the tick at " << at << " s";
    }
}

}  // namespace
