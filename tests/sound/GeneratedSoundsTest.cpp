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
// Ogg Vorbis alike and converts to the device's format (22050 Hz, 16-bit stereo), here
// split into its two channels, in parts of full scale.
RenderedSound decode(const std::string& file) {
    RenderedSound sound;
    sound.rate = SoundSystem::kFrequency;
    sound.channels.resize(2);
    if (Mix_Chunk* chunk = Mix_LoadWAV((std::string(NIMBUS_DATA_DIR) + "/" + file).c_str())) {
        const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        for (Uint32 i = 0; i < chunk->alen / 2; ++i) sound.channels[i % 2].push_back(samples[i] / 32768.0);
        Mix_FreeChunk(chunk);
    }
    return sound;
}

// Loudest sample over [from, to) seconds.
double peak(const RenderedSound& sound, double from = 0.0, double to = 1e9) {
    const auto at = [&](double t) { return std::min(sound.frames(), size_t(std::max(t, 0.0) * sound.rate)); };
    double loudest = 0.0;
    for (const auto& channel : sound.channels)
        for (size_t i = at(from); i < at(to); ++i) loudest = std::max(loudest, std::abs(channel[i]));
    return loudest;
}

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
    } files[] = {{"Levels/Common/Sounds/Move.sound", 0.15, 0.5, 0.3, 0.03},
                 {"Levels/Common/Sounds/Twist.sound", 0.15, 0.5, 0.3, 0.03},
                 {"Levels/Common/Sounds/Failed.sound", 0.25, 0.8, 0.3, 0.05},
                 {"Levels/Common/Sounds/EndLevel.sound", 1.2, 3.5, 0.3, 0.04},
                 {"Levels/Common/Sounds/Death.sound", 0.8, 2.5, 0.3, 0.03},
                 {"Levels/Common/Sounds/LifeJingle.sound", 1.2, 3.5, 0.3, 0.04},
                 {"Levels/Common/Sounds/TickTock.sound", 4.4, 5.2, 0.3, 0.01},
                 {"Music/Menu.music", 120.0, 200.0, 0.4, 0.05},
                 {"Music/Game.music", 120.0, 200.0, 0.4, 0.05}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const RenderedSound sound = decode(f.file);
        const double seconds = double(sound.frames()) / sound.rate;
        ASSERT_GT(seconds, 0.0) << Mix_GetError();
        EXPECT_TRUE(seconds >= f.shortest && seconds <= f.longest) << seconds << " s";
        double squares = 0.0;
        for (const auto& channel : sound.channels)
            for (double sample : channel) squares += sample * sample;
        EXPECT_GT(std::sqrt(squares / (2.0 * sound.frames())), f.rmsFloor);
        EXPECT_TRUE(peak(sound) > f.peakFloor && peak(sound) < 32767 / 32768.0) << peak(sound);
        EXPECT_LT(peak(sound, seconds - 0.005), 0.01);
        for (double at = 0.0; at + 4.0 < seconds - 4.0; at += 4.0)
            EXPECT_GT(peak(sound, at, at + 4.0), 0.1) << "silent from " << at << " s";
        Loudness l;
        const bool music = std::string(f.file).rfind("Music/", 0) == 0;
        EXPECT_TRUE(!music || (measureLoudness(sound, l) && std::abs(l.integrated - kMusicLoudness) <= 1.0 &&
                               l.truePeak <= kPeakCeiling))
            << describeLoudness(l);
    }
    const RenderedSound clock = decode("Levels/Common/Sounds/TickTock.sound");
    for (int tick = 0; tick < 12; ++tick) {
        const double at = tick < 8 ? 0.5 * tick : 4.0 + 0.25 * (tick - 8);
        EXPECT_GT(peak(clock, at, at + 0.05), 0.25) << "a tick at " << at << " s";
        EXPECT_LT(peak(clock, at + 0.15, at + 0.25), 0.05) << "quiet after the tick at " << at << " s";
    }
}

}  // namespace
