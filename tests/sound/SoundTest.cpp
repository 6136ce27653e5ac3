// The mixer layer on the dummy audio driver: effects and their slots, the device's
// reopening, music changes and the start of it all from a data directory.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/ResourceManager.h"
#include "core/posix/PosixInArchive.h"
#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"
#include "sound/SoundStartup.h"
#include "sound/SoundSystem.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

void put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// A mono 16-bit WAV of a quiet tone, `seconds` long, as the mixer reads it.
std::string toneWav(double seconds) {
    const uint32_t rate = 22050, frames = static_cast<uint32_t>(seconds * rate);
    std::string out = "RIFF";
    put(out, 36 + frames * 2, 4);
    out += "WAVEfmt ";
    const std::pair<uint32_t, int> format[] = {{16, 4},       {1, 2}, {1, 2}, {rate, 4},
                                               {rate * 2, 4}, {2, 2}, {16, 2}};
    for (const auto& [value, bytes] : format) put(out, value, bytes);
    out += "data";
    put(out, frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i)
        put(out, static_cast<uint16_t>(static_cast<int16_t>(3000.0 * std::sin(i * 0.1))), 2);
    return out;
}

// Waits (bounded) until the mixer channel has stopped playing; false if it never did.
bool waitUntilSilent(int channel) {
    for (int waited = 0; waited < 5000 && Mix_Playing(channel); waited += 5) SDL_Delay(5);
    return !Mix_Playing(channel);
}

// A data directory with a short and a long effect, and the sound loaded from it.
class GameSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.write("Levels/Common/Sounds/Short.sound", toneWav(0.02));
        data_.write("Levels/Common/Sounds/Long.sound", toneWav(4.0));
        data_.write("Levels/Common/Sounds/notes.txt", "not a sound");
        ASSERT_TRUE(sound_.initialize(archive_));
    }

    TempFolder data_;
    PosixInArchive archive_{data_.path()};
    LogCapture log_;
    GameSound sound_;
};

TEST_F(GameSoundTest, SixteenBusyChannelsDropTheSeventeenthEffect) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(sound_.play("Long"), i);
        EXPECT_EQ(Mix_Volume(i, -1), 89);
    }
    for (const char* refused : {"Long", "Unknown", "long"}) EXPECT_EQ(sound_.play(refused), -1) << refused;
    EXPECT_EQ(Mix_Playing(-1), 16);
    // Handles that were never given are ignored.
    sound_.stop(-1);
    sound_.stop(16);
    EXPECT_EQ(Mix_Playing(-1), 16);
    EXPECT_TRUE(log_.lines().empty());
}

TEST_F(GameSoundTest, AnEndedEffectKeepsItsSlotUntilUpdateAndStoppingItHaltsNothing) {
    ASSERT_EQ(sound_.play("Short"), 0);
    ASSERT_EQ(sound_.play("Long"), 1);
    ASSERT_TRUE(waitUntilSilent(0));
    EXPECT_EQ(sound_.play("Long"), 2);
    sound_.update();
    sound_.stop(0);
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(sound_.play("Long"), 0) << "the stopped slot stays empty for reuse";
    sound_.stop(1);
    EXPECT_FALSE(Mix_Playing(1));
}

TEST_F(GameSoundTest, AHandleStopsOnlyTheEffectItWasGivenFor) {
    // A reused slot: the handle stops the later effect.
    const int kept = sound_.play("Short");
    ASSERT_TRUE(waitUntilSilent(0));
    sound_.update();
    ASSERT_EQ(sound_.play("Long"), kept);
    sound_.stop(kept);
    EXPECT_FALSE(Mix_Playing(0));
    sound_.update();
    // An ended effect not yet forgotten leaves its channel's next effect alone.
    const int ended = sound_.play("Short");
    ASSERT_TRUE(waitUntilSilent(0));
    const int later = sound_.play("Long");
    ASSERT_NE(later, ended);
    ASSERT_TRUE(Mix_Playing(0)) << "the later effect took the free channel 0";
    sound_.stop(ended);
    EXPECT_TRUE(Mix_Playing(0));
    sound_.update();
    sound_.stop(later);
    EXPECT_FALSE(Mix_Playing(0));
}

TEST_F(GameSoundTest, EachGameOpensTheDeviceAgainAndLeavesItOpenForTheApplication) {
    int frequency = 0, outputs = 0;
    Uint16 format = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    EXPECT_EQ(std::make_tuple(frequency, format, outputs), std::make_tuple(22050, Uint16(AUDIO_S16LSB), 2));
    {
        GameSound game(sound_);
        EXPECT_FALSE(game.initialized()) << "a copy owns nothing of the original";
        EXPECT_EQ(game.play("Long"), -1);
        game.stop(0);
        game.update();
        ASSERT_TRUE(game.initialize(archive_));
        EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 2);
        EXPECT_EQ(game.play("Long"), 0);
    }
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    EXPECT_EQ(sound_.play("Long"), 0);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

// Effect files the mixer cannot take fail the load with a line naming the file; the
// device stays open.
TEST(GameSoundLoad, DamagedEffectFilesFailTheLoadAndAMissingDirectoryLoadsNone) {
    const struct {
        std::vector<std::pair<const char*, std::string>> files;
        bool loads;
        const char* message;
    } cases[] = {
        {{{"Broken.sound", "RIFF....WAVEjunk"}}, false, "Broken"},
        {{{"Empty.sound", ""}}, false, ""},
        {{{"Move.sound", toneWav(0.1)}, {"Move.SOUND", toneWav(0.1)}}, false, "already loaded"},
        {{}, true, nullptr},
    };
    for (const auto& c : cases) {
        TempFolder data;
        for (const auto& [file, bytes] : c.files)
            data.write(std::string("Levels/Common/Sounds/") + file, bytes);
        PosixInArchive archive(data.path());
        LogCapture log;
        GameSound sound;
        EXPECT_EQ(sound.initialize(archive), c.loads);
        EXPECT_TRUE(sound.initialized());
        ASSERT_EQ(log.lines().size(), c.loads ? 0u : 1u) << log.all();
        EXPECT_TRUE(!c.message || log.saw({c.message})) << log.all();
        EXPECT_TRUE(!c.loads || sound.play("Move") == -1);
    }
}

// An open device and two musics (the mixer plays WAV files as music too).
class MusicTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device_.open());
        for (const char* name : {"menu", "game"}) files_.write(std::string(name) + ".wav", toneWav(3.0));
        menu_ = load("menu.wav");
        game_ = load("game.wav");
        ASSERT_NE(menu_->music(), nullptr);
        ASSERT_NE(game_->music(), nullptr);
    }
    void TearDown() override { Mix_HaltMusic(); }
    ResourceHandle<MusicEffect> load(const char* file) {
        return ResourceHandle<MusicEffect>(new MusicEffect(Mix_LoadMUS(files_.file(file).c_str())));
    }

    TempFolder files_;
    SoundSystem device_;
    ResourceHandle<MusicEffect> menu_, game_;
    MusicPlayer player_;
};

TEST_F(MusicTest, ARequestWaitsForUpdateAndDropsOthersWhileItIsPending) {
    EXPECT_TRUE(player_.play(0.0f, 0.0f, menu_));
    EXPECT_FALSE(player_.play(0.0f, 0.0f, game_));
    EXPECT_EQ(player_.pending().get(), menu_.get());
    EXPECT_FALSE(player_.current());
    EXPECT_FALSE(Mix_PlayingMusic()) << "nothing starts before update";
    player_.update();
    EXPECT_EQ(player_.current().get(), menu_.get());
    EXPECT_FALSE(player_.pending());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 51);
    // The current music stays alive while the player holds it.
    MusicEffect* menu = menu_.get();
    menu_.release();
    EXPECT_EQ(player_.current().get(), menu);
    EXPECT_TRUE(player_.play(0.0f, 0.0f, game_)) << "the current music does not block a change";
    player_.update();
    EXPECT_EQ(player_.current().get(), game_.get());
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MusicTest, ThePendingMusicWaitsForTheFadeOut) {
    player_.play(0.0f, 0.0f, menu_);
    player_.update();
    player_.play(2.0f, 0.5f, game_);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    player_.update();
    EXPECT_EQ(player_.current().get(), menu_.get()) << "seconds of fade, not milliseconds";
    EXPECT_EQ(player_.pending().get(), game_.get());
}

// A data directory as the application sees it, and a resource manager of its own.
class SoundStartupTest : public ::testing::Test {
protected:
    SoundStartupTest() { data_.write("Levels/Common/Sounds/Move.sound", toneWav(0.1)); }
    ~SoundStartupTest() override {
        services_.music.reset();
        delete setResourceManager(previous_);
        services_.sound.reset();
    }
    bool start() { return startSound(archive_, data_.file("Music"), services_); }
    static bool loaded(const char* name) { return bool(getResource<MusicEffect>(name, "Music")); }

    TempFolder data_;
    PosixInArchive archive_{data_.path()};
    LogCapture log_;
    SoundServices services_;
    ResourceManager* previous_ = setResourceManager(new ResourceManager);
};

TEST_F(SoundStartupTest, BringsUpEffectsPlayerAndBothMusics) {
    data_.write("Music/Menu.music", toneWav(1.0));
    data_.write("Music/Game.music", toneWav(1.0));
    ASSERT_TRUE(start());
    EXPECT_TRUE(log_.lines().empty());
    EXPECT_EQ(services_.sound->play("Move"), 0);
    ASSERT_TRUE(services_.music);
    EXPECT_TRUE(loaded("Music/Menu") && loaded("Music/Game"));
    EXPECT_FALSE(getResource<MusicEffect>("Music/Game", "Texture"));
    EXPECT_TRUE(requestMusic(*services_.music, "Music/Menu"));
    EXPECT_FALSE(requestMusic(*services_.music, "Music/Game")) << "Menu is still pending";
    services_.music->update();
    EXPECT_EQ(services_.music->current().get(), getResource<MusicEffect>("Music/Menu", "Music").get());
    EXPECT_FALSE(requestMusic(*services_.music, "Music/Credits"));
}

TEST_F(SoundStartupTest, AMissingMusicFailsStartUpNamingTheFile) {
    data_.write("Music/Menu.music", toneWav(1.0));
    EXPECT_FALSE(start());
    ASSERT_EQ(log_.lines().size(), 1u);
    EXPECT_TRUE(log_.saw({"Game.music"}));
    EXPECT_TRUE(loaded("Music/Menu"));
    EXPECT_FALSE(loaded("Music/Game"));
}

TEST_F(SoundStartupTest, ABadEffectStopsStartUpBeforeTheMusic) {
    data_.write("Levels/Common/Sounds/Twist.sound", "garbage");
    data_.write("Music/Menu.music", toneWav(1.0));
    data_.write("Music/Game.music", toneWav(1.0));
    EXPECT_FALSE(start());
    EXPECT_FALSE(services_.music);
    EXPECT_FALSE(loaded("Music/Menu"));
}

}  // namespace
