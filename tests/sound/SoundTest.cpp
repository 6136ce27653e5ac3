// The mixer on the dummy audio driver: effects and their slots, music changes, start-up
// from a data directory, and the generated sounds as the game decodes them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "Loudness.h"
#include "SoundWriters.h"
#include "core/ResourceManager.h"
#include "core/posix/PosixInArchive.h"
#include "game/DataFiles.h"
#include "game/DataLayout.h"
#include "game/GameNames.h"
#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"
#include "sound/SoundStartup.h"
#include "sound/SoundSystem.h"
#include "support/LogCapture.h"
#include "support/OwnProcessWide.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

// A mono 16-bit WAV of a quiet tone, `seconds` long, as the effect tool writes it.
std::string toneWav(double seconds) {
    RenderedSound tone;
    tone.channels.assign(1, std::vector<double>(static_cast<size_t>(seconds * tone.rate)));
    for (size_t i = 0; i < tone.frames(); ++i) tone.channels[0][i] = 0.09 * std::sin(i * 0.1);
    TempFolder folder;
    return writeWav(tone, folder.file("tone.sound")) ? readFile(folder.file("tone.sound")) : "";
}

// Sound started as the game starts it from a data folder laid out as the game's.
struct Started {
    explicit Started(const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& [file, bytes] : files) data.write(file, bytes);
        ok = startSound(archive, soundFiles(data.path()), services);
    }
    ~Started() { stopSound(services); }

    TempFolder data;
    PosixInArchive archive{data.path()};
    LogCapture log;
    OwnProcessWide<ResourceManager> resources;
    SoundServices services;
    bool ok = false;
};

bool loaded(const char* name) { return bool(getResource<MusicEffect>(name, "Music")); }

const std::string kMenu = kMenuMusicFile, kGame = kGameMusicFile, kSounds = std::string(kSoundsFolder) + "/";

// The application's sound with a short and a long effect.
class GameSoundTest : public ::testing::Test {
protected:
    Started started_{{{kSounds + "Short.sound", toneWav(0.02)},
                      {kSounds + "Long.sound", toneWav(10.0)},
                      {kSounds + "notes.txt", "not a sound"},
                      {kMenu, toneWav(0.1)},
                      {kGame, toneWav(0.1)}}};
    GameSound& sound_ = *started_.services.sound;
};

TEST_F(GameSoundTest, SixteenBusyChannelsDropTheSeventeenthEffect) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(sound_.play("Long"), i);
        EXPECT_EQ(Mix_Volume(i, -1), 89);
    }
    for (const char* refused : {"Long", "Unknown", "long"}) EXPECT_EQ(sound_.play(refused), -1) << refused;
    // Handles that were never given are ignored, by the game and by the mixer's layer.
    for (int never : {-1, 16}) sound_.stop(never);
    SoundSystem system;
    ASSERT_TRUE(system.open());
    for (int never : {-1, 16}) system.halt(PlayingSound(&system, nullptr, never, 1));
    EXPECT_EQ(Mix_Playing(-1), 16);
    EXPECT_TRUE(started_.ok && started_.log.lines().empty());
}

TEST_F(GameSoundTest, AnEndedEffectKeepsItsSlotUntilUpdateAndItsHandleStopsNothing) {
    ASSERT_EQ(sound_.play("Short"), 0);
    ASSERT_EQ(sound_.play("Long"), 1);
    // Ended by the mixer, not waited for: a loaded machine's mixer may take seconds.
    Mix_HaltChannel(0);
    EXPECT_EQ(sound_.play("Long"), 2);
    ASSERT_TRUE(Mix_Playing(0)) << "the later effect took the free channel 0";
    sound_.stop(0);
    EXPECT_TRUE(Mix_Playing(0));
    sound_.update();
    sound_.stop(0);
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(sound_.play("Long"), 0) << "the emptied slot is reused";
    sound_.stop(2);
    EXPECT_FALSE(Mix_Playing(0)) << "the later effect's own handle stops it";
}

// What a game starts ends with it, the application's effects play on; a copy of a silent sound is silent. The
// effects volume reaches effects playing and to come; a mute keeps the music's volume.
TEST_F(GameSoundTest, GamesShareTheDeviceAndEffectsAndVolumesApplyAtOnce) {
    int frequency = 0, outputs = 0;
    Uint16 format = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    EXPECT_EQ(std::make_tuple(frequency, format, outputs), std::make_tuple(22050, Uint16(AUDIO_S16LSB), 2));
    sound_.setEffectVolume(40);
    ASSERT_EQ(sound_.play("Long"), 0);
    {
        GameSound game(sound_);
        EXPECT_EQ(game.play("Long"), 0);
        EXPECT_EQ(Mix_Playing(-1), 2);
        EXPECT_EQ(Mix_Volume(1, -1), 40);
        EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1) << "the device is not opened again";
        GameSound silent(GameSound{});
        EXPECT_EQ(silent.play("Long"), -1);
        SoundSystem unopened;  // closes nothing when it goes
    }
    EXPECT_EQ(Mix_Playing(-1), 1) << "the game's effect ended with it, the application's did not";
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    sound_.setEffectVolume(20);
    EXPECT_EQ(Mix_Volume(0, -1), 20);
    MusicPlayer& music = *started_.services.music;
    const std::tuple<int, bool, int> steps[] = {
        {100, false, 100}, {100, true, 0}, {30, true, 0}, {30, false, 30}};
    for (const auto& [volume, muted, heard] : steps) {
        music.setVolume(volume);
        music.setMuted(muted);
        EXPECT_EQ(Mix_VolumeMusic(-1), heard) << volume << (muted ? " muted" : "");
    }
}

// Effects stop start-up before the music, a missing music after the one before; the device stays open.
TEST(SoundStartup, DamagedEffectsOrAMissingMusicStopStartUpNamingTheFile) {
    const std::string tone = toneWav(0.1);
    // The data folder's files, what the one line says, whether the menu's music loaded.
    const std::tuple<std::vector<std::pair<std::string, std::string>>, const char*, bool> cases[] = {
        {{{kSounds + "Broken.sound", "RIFF....WAVEjunk"}, {kMenu, tone}, {kGame, tone}}, "Broken", false},
        {{{kSounds + "Empty.sound", ""}}, "Empty.sound - the file is empty", false},
        {{{kSounds + "Byte.sound", "R"}}, "Byte.sound - Unrecognized sound file type", false},
        {{{kSounds + "Move.sound", tone}, {kSounds + "Move.SOUND", tone}}, "already loaded", false},
        {{{kMenu, tone}}, "Game.music", true},
    };
    for (const auto& [files, message, menuLoaded] : cases) {
        SCOPED_TRACE(message);
        Started started(files);
        EXPECT_TRUE(started.log.lines().size() == 1 && started.log.saw({message})) << started.log.all();
        EXPECT_EQ(std::make_tuple(started.ok, started.services.sound->initialized(), loaded(kMusicMenu),
                                  loaded(kMusicGame)),
                  std::make_tuple(false, true, menuLoaded, false));
    }
}

// Without a folder of effects none load. A pending music drops other requests and replaces
// the current one once that has faded, over seconds. Stopping frees the musics.
TEST(SoundStartup, BringsUpBothMusicsAndChangesMusicAtUpdateAfterTheFade) {
    Started started({{kMenu, toneWav(3.0)}, {kGame, toneWav(3.0)}});
    ASSERT_TRUE(started.ok && started.log.lines().empty() && started.services.music) << started.log.all();
    EXPECT_EQ(started.services.sound->play("Move"), -1);
    MusicPlayer& player = *started.services.music;
    const auto menu = getResource<MusicEffect>(kMusicMenu, "Music");
    const auto game = getResource<MusicEffect>(kMusicGame, "Music");
    ASSERT_TRUE(menu && game);
    EXPECT_FALSE(requestMusic(player, "Music/Credits"));
    EXPECT_TRUE(requestMusic(player, kMusicMenu));
    EXPECT_FALSE(requestMusic(player, kMusicGame)) << "Menu is still pending";
    EXPECT_EQ(player.pending().get(), menu.get());
    EXPECT_FALSE(player.current());
    EXPECT_FALSE(Mix_PlayingMusic()) << "nothing starts before update";
    player.setMuted(true);
    player.update();
    EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "a music started while muted stays silent";
    player.setMuted(false);
    EXPECT_EQ(std::make_tuple(player.pending().get(), player.current().get(), Mix_PlayingMusic(),
                              Mix_VolumeMusic(-1)),
              std::make_tuple(static_cast<MusicEffect*>(nullptr), menu.get(), 1, 51));
    EXPECT_TRUE(player.play(2.0f, 0.5f, game)) << "the current music does not block a change";
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    player.update();
    EXPECT_EQ(std::make_pair(player.pending().get(), player.current().get()),
              std::make_pair(game.get(), menu.get()))
        << "seconds of fade, not milliseconds";
    stopSound(started.services);
    EXPECT_FALSE(menu.get() || game.get());
}

// A data file decoded as the game does (WAV or Ogg to the device's 22050 Hz 16-bit
// stereo), split into its two channels, in parts of full scale.
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

// Audible, unclipped (no sample at the 16-bit ends), ending in silence, not a click; musics
// without four silent seconds before their ring-out, at one loudness so the level holds
// when a level starts. The clock ticks eight times each half second, then each quarter.
TEST(GeneratedSounds, EveryEffectAndMusicSoundsAsIntendedAndTheClockHurriesInItsLastSecond) {
    SoundSystem device;
    ASSERT_TRUE(device.open());
    // The file, its shortest and longest seconds, and its least peak and RMS.
    const std::tuple<std::string, double, double, double, double> files[] = {
        {kSounds + "Move.sound", 0.15, 0.5, 0.3, 0.03},
        {kSounds + "Twist.sound", 0.15, 0.5, 0.3, 0.03},
        {kSounds + "Failed.sound", 0.25, 0.8, 0.3, 0.05},
        {kSounds + "EndLevel.sound", 1.2, 3.5, 0.3, 0.04},
        {kSounds + "Death.sound", 0.8, 2.5, 0.3, 0.03},
        {kSounds + "LifeJingle.sound", 1.2, 3.5, 0.3, 0.04},
        {kSounds + "TickTock.sound", 4.4, 5.2, 0.3, 0.01},
        {kMenu, 120.0, 200.0, 0.4, 0.05},
        {kGame, 120.0, 200.0, 0.4, 0.05}};
    for (const auto& [file, shortest, longest, peakFloor, rmsFloor] : files) {
        SCOPED_TRACE(file);
        const RenderedSound sound = decode(file);
        const double seconds = double(sound.frames()) / sound.rate;
        ASSERT_GT(seconds, 0.0) << Mix_GetError();
        EXPECT_TRUE(seconds >= shortest && seconds <= longest) << seconds << " s";
        double squares = 0.0;
        for (const auto& channel : sound.channels)
            for (double sample : channel) squares += sample * sample;
        EXPECT_GT(std::sqrt(squares / (2.0 * sound.frames())), rmsFloor);
        EXPECT_TRUE(peak(sound) > peakFloor && peak(sound) < 32767 / 32768.0) << peak(sound);
        EXPECT_LT(peak(sound, seconds - 0.005), 0.01);
        for (double at = 0.0; at + 4.0 < seconds - 4.0; at += 4.0)
            EXPECT_GT(peak(sound, at, at + 4.0), 0.1) << "silent from " << at << " s";
        Loudness l;
        const bool music = file == kMenu || file == kGame;
        EXPECT_TRUE(!music || (measureLoudness(sound, l) && std::abs(l.integrated - kMusicLoudness) <= 1.0 &&
                               l.truePeak <= kPeakCeiling))
            << describeLoudness(l);
    }
    const RenderedSound clock = decode(kSounds + "TickTock.sound");
    for (int tick = 0; tick < 12; ++tick) {
        const double at = tick < 8 ? 0.5 * tick : 4.0 + 0.25 * (tick - 8);
        EXPECT_GT(peak(clock, at, at + 0.05), 0.25) << "a tick at " << at << " s";
        EXPECT_LT(peak(clock, at + 0.15, at + 0.25), 0.05) << "quiet after the tick at " << at << " s";
    }
}

}  // namespace
