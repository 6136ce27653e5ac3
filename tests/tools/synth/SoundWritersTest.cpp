#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "SoundWriters.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

constexpr double kTwoPi = 6.283185307179586;

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

    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV(path.c_str(), &spec, &data, &bytes), nullptr) << SDL_GetError();
    EXPECT_EQ(spec.freq, 22050);
    EXPECT_EQ(spec.channels, 2);
    EXPECT_EQ(spec.format, AUDIO_S16LSB);
    ASSERT_EQ(bytes, sound.frames() * 4);
    const int16_t* samples = reinterpret_cast<const int16_t*>(data);
    EXPECT_EQ(samples[0], 32767);
    EXPECT_EQ(samples[1], -32767);
    EXPECT_EQ(samples[2], 16384);
    for (size_t i = 2; i < sound.frames(); ++i) {
        EXPECT_NEAR(samples[2 * i + 1] / 32767.0, sound.channels[1][i], 1.0 / 32767.0);
    }
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
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    if (music) Mix_FreeMusic(music);
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
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(log.saw({"/nonexistent/dir/Move.sound"}));
    EXPECT_TRUE(log.saw({"/nonexistent/dir/Menu.music"}));
}

}  // namespace
