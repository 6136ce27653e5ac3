#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Loudness.h"
#include "Renderer.h"
#include "ScoreParser.h"
#include "SoundWriters.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

constexpr double kTwoPi = 6.283185307179586;

using nimbus::fingerprint;

// Samples are rounded to a ten-millionth first: only a change one could hear moves the value.
uint64_t fingerprint(const std::vector<std::vector<double>>& channels) {
    std::vector<int64_t> rounded;
    for (const auto& channel : channels)
        for (double sample : channel) rounded.push_back(std::llround(sample * 1e7));
    return hashBytes(rounded.data(), rounded.size() * sizeof(int64_t));
}

// Every wave, option and arrangement, at a low rate to stay quick: a settling, spreading,
// wobbling bell, a bending filtered bass, seeded hits and a shower, plucks whose rise the
// release cuts short, a room, humanized timing, a pattern replayed on another instrument.
const char kScore[] = R"(rate 8000
tempo 150
meter 3
seed 11
room 0.6 0.4 0.8
peak 0.6
tail 0.3
humanize 0.01 0.1
instrument bell
  osc sine fm 3.5 4 0.3
  osc triangle level 0.4 detune 12
  envelope 0.01 0.2 0.5 0.1
  vibrato 6 30 0.1
  pitch 3 0.05
  pan -0.6
  spread 8
  reverb 0.7
end
instrument bass
  osc saw
  osc square ratio 0.5 level 0.5
  filter lowpass 600 q 3 track 0.5 env 3 0.02 0.3
  bend -5 0.2
  gate 0.6
  gain 1.2
  pan 0.5
end
instrument hat
  osc noise
  filter highpass 3000
  envelope 0.002 0.04 0 0.02
  note f#2
end
instrument string   # a comment after a statement
  osc pluck decay 1.5 bright 0.3
  filter bandpass 800 q 0.8
  envelope 0.3 0.1 0.7 0.1
  reverb 0.3
end
pattern tune bell
  c5:1/2 eb5 g5+bb5:1 r:1/2 f#4@1.2 # d5 is commented out
end
pattern low bass
  c2:2 g1:1@0.5
end
pattern beat hat
  x:1/2 x x@0.4 x
  scatter 6 1 c5 c6 0.7 0.05
end
pattern pick string
  e3:1/4 a3 d4:1
end
section intro 1
  tune
  low transpose 12
end
section main 1
  beat gain 0.8
  pick
  tune on string transpose -5
  low
end
song intro main
)";

RenderedSound render(const std::string& score) {
    Song song;
    EXPECT_TRUE(parseScore(score, "test.score", song));
    return renderSong(song);
}

// Rendered in stereo and mono, and its effect file (samples past full scale held, not wrapped).
TEST(Synth, AScoreUsingEveryFeatureRendersToTheSameSamplesEveryTime) {
    RenderedSound stereo = render(kScore), mono = render(std::string("channels 1\n") + kScore);
    ASSERT_EQ(stereo.channels.size(), 2u);
    EXPECT_EQ(fingerprint(stereo.channels), 0x4aecac5967d887f2ull) << "the stereo render changed";
    EXPECT_EQ(fingerprint(mono.channels), 0xb86f32364618c581ull) << "the mono render changed";

    TempFolder files;
    stereo.channels[0][0] = 1.7;
    stereo.channels[1][0] = -2.0;
    ASSERT_TRUE(writeWav(stereo, files.file("song.sound")));
    EXPECT_EQ(fingerprint(readFile(files.file("song.sound"))), 0x73af6fbc006616f7ull)
        << "the effect file changed";
}

// The mono twin turned up 12 dB as an effect needs its peaks softened, ramped in and out;
// played on both speakers, an effect's one channel measures as loud as in stereo.
TEST(Loudness, MusicAndEffectsAreBroughtToTheirLoudnessWithTruePeaksUnderTheCeiling) {
    RenderedSound music = render(kScore), effect = render(std::string("channels 1\n") + kScore);
    Loudness before, after, louder;
    ASSERT_TRUE(levelLoudness(music, before, after));
    ASSERT_TRUE(amplify(effect, 12.0, louder));
    EXPECT_NEAR(after.integrated, kMusicLoudness, 0.05);
    EXPECT_LE(std::max(after.truePeak, louder.truePeak), kPeakCeiling);
    EXPECT_EQ(describeLoudness(louder), "-9.5 LUFS, true peak -1.0 dBTP");
    EXPECT_EQ(fingerprint(music.channels), 0xb737f12bdc77e863ull) << "the levelled music changed";
    EXPECT_EQ(fingerprint(effect.channels), 0xb9695ebbcb89e3a9ull) << "the amplified effect changed";
}

// The same bytes every time; an unwritable place fails each writer with one line.
TEST(VorbisWriter, WritesAStreamTheMixerDecodesAtItsLengthAndLoudness) {
    RenderedSound sound;
    sound.channels.assign(2, std::vector<double>(33075));  // a second and a half
    for (size_t i = 0; i < sound.frames(); ++i)
        sound.channels[0][i] = sound.channels[1][i] = 0.5 * std::sin(kTwoPi * 440.0 * i / sound.rate);
    TempFolder files;
    const std::string path = files.file("tone.music"), again = files.file("again.music");
    ASSERT_TRUE(writeVorbis(sound, 0.3, path) && writeVorbis(sound, 0.3, again));
    EXPECT_EQ(readFile(path), readFile(again));

    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const size_t frames = chunk->alen / 4;
    EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(sound.frames()), 64.0);
    double squares = 0.0;
    for (size_t i = 0; i < frames; ++i)
        squares += std::pow(reinterpret_cast<int16_t*>(chunk->abuf)[2 * i] / 32768.0, 2.0);
    EXPECT_NEAR(std::sqrt(squares / frames), 0.5 / std::sqrt(2.0), 0.02);
    Mix_FreeChunk(chunk);
    Mix_CloseAudio();

    LogCapture log;
    EXPECT_FALSE(writeWav(sound, "/nonexistent/dir/Move.sound"));
    EXPECT_FALSE(writeVorbis(sound, 0.3, "/nonexistent/dir/Menu.music"));
    EXPECT_EQ(log.lines().size(), 2u);
    EXPECT_TRUE(log.saw({"/nonexistent/dir/Move.sound"}) && log.saw({"/nonexistent/dir/Menu.music"}));
}

}  // namespace
}  // namespace nimbus
