#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "core/posix/PosixInArchive.h"
#include "sound/GameSound.h"

using namespace nimbus;

namespace {

// A data directory with a short and a long effect, and the sound loaded from it.
class GameSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_.write("Levels/Common/Sounds/Short.sound", toneWav(0.02));
        data_.write("Levels/Common/Sounds/Long.sound", toneWav(4.0));
        data_.write("Levels/Common/Sounds/notes.txt", "not a sound");
        archive_ = std::make_unique<PosixInArchive>(data_.path());
        ASSERT_TRUE(sound_.initialize(*archive_));
    }

    // How many mixer channels play.
    static int busyChannels() { return Mix_Playing(-1); }

    TempDirectory data_;
    std::unique_ptr<PosixInArchive> archive_;
    CapturedLog log_;
    GameSound sound_;
};

TEST_F(GameSoundTest, SixteenBusyChannelsDropTheSeventeenthEffect) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(sound_.play("Long"), i);
        EXPECT_EQ(Mix_Volume(i, -1), 89);
    }
    EXPECT_EQ(sound_.play("Long"), -1);
    EXPECT_EQ(busyChannels(), 16);
    EXPECT_EQ(sound_.play("Unknown"), -1);
    EXPECT_EQ(sound_.play("long"), -1) << "names match case-sensitively";
    EXPECT_TRUE(log_.lines().empty());
}

TEST_F(GameSoundTest, AnEndedEffectFreesItsSlotAtUpdate) {
    const int first = sound_.play("Short");
    const int second = sound_.play("Long");
    ASSERT_EQ(first, 0);
    ASSERT_EQ(second, 1);
    ASSERT_TRUE(waitUntilSilent(0));

    EXPECT_EQ(sound_.play("Long"), 2) << "an ended effect keeps its slot until update";
    sound_.update();
    EXPECT_EQ(sound_.play("Long"), 0);
}

TEST_F(GameSoundTest, StoppingAnEndedEffectHaltsNothing) {
    const int shortOne = sound_.play("Short");
    const int longOne = sound_.play("Long");
    ASSERT_TRUE(waitUntilSilent(0));
    sound_.update();

    sound_.stop(shortOne);
    EXPECT_EQ(busyChannels(), 1);
    EXPECT_TRUE(Mix_Playing(1));
    EXPECT_EQ(sound_.play("Long"), shortOne) << "the stopped slot stays empty for reuse";

    sound_.stop(longOne);
    EXPECT_FALSE(Mix_Playing(1));
}

TEST_F(GameSoundTest, AHandleWhoseSlotWasReusedStopsTheLaterEffect) {
    const int kept = sound_.play("Short");
    ASSERT_TRUE(waitUntilSilent(0));
    sound_.update();
    ASSERT_EQ(sound_.play("Long"), kept);
    ASSERT_TRUE(Mix_Playing(0));

    sound_.stop(kept);
    EXPECT_FALSE(Mix_Playing(0));
}

TEST_F(GameSoundTest, AnEndedEffectNotYetForgottenLeavesItsChannelsNextEffectAlone) {
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

TEST_F(GameSoundTest, HandlesThatWereNeverGivenAreIgnored) {
    sound_.play("Long");
    sound_.stop(-1);
    sound_.stop(7);
    EXPECT_EQ(busyChannels(), 1);
}

TEST_F(GameSoundTest, EachGameOpensTheDeviceAgainAndLeavesItOpenForTheApplication) {
    int frequency = 0, outputs = 0;
    Uint16 format = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    EXPECT_EQ(frequency, 22050);
    EXPECT_EQ(format, AUDIO_S16LSB);
    EXPECT_EQ(outputs, 2);
    {
        GameSound game(sound_);
        EXPECT_FALSE(game.initialized()) << "a copy owns nothing of the original";
        EXPECT_EQ(game.play("Long"), -1);
        ASSERT_TRUE(game.initialize(*archive_));
        EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 2);
        EXPECT_EQ(game.play("Long"), 0);
    }
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &outputs), 1);
    EXPECT_EQ(sound_.play("Long"), 0);
    EXPECT_EQ(busyChannels(), 1);
}

TEST(GameSoundWithoutDevice, PlaysNothingAndIgnoresStopAndUpdate) {
    GameSound sound;
    EXPECT_EQ(sound.play("Move"), -1);
    sound.stop(0);
    sound.update();
    EXPECT_FALSE(sound.initialized());
}

// Effect files the mixer cannot take fail the load with a line naming the file.
class GameSoundLoadTest : public ::testing::Test {
protected:
    bool load() {
        PosixInArchive archive(data_.path());
        return sound_.initialize(archive);
    }
    TempDirectory data_;
    CapturedLog log_;
    GameSound sound_;
};

TEST_F(GameSoundLoadTest, AnUndecodableSampleFailsTheLoad) {
    data_.write("Levels/Common/Sounds/Broken.sound", "RIFF....WAVEjunk");
    EXPECT_FALSE(load());
    ASSERT_EQ(log_.lines().size(), 1u);
    EXPECT_NE(log_.lines()[0].find("Broken"), std::string::npos);
}

TEST_F(GameSoundLoadTest, AnEmptySampleFailsTheLoad) {
    data_.write("Levels/Common/Sounds/Empty.sound", "");
    EXPECT_FALSE(load());
    EXPECT_EQ(log_.lines().size(), 1u);
}

TEST_F(GameSoundLoadTest, ASecondSampleOfTheSameNameFailsTheLoad) {
    data_.write("Levels/Common/Sounds/Move.sound", toneWav(0.1));
    data_.write("Levels/Common/Sounds/Move.SOUND", toneWav(0.1));
    EXPECT_FALSE(load());
    ASSERT_EQ(log_.lines().size(), 1u);
    EXPECT_NE(log_.lines()[0].find("already loaded"), std::string::npos);
    EXPECT_TRUE(sound_.initialized()) << "the device stays open; only the load failed";
}

TEST_F(GameSoundLoadTest, AMissingDirectoryLoadsNoEffects) {
    EXPECT_TRUE(load());
    EXPECT_EQ(sound_.play("Move"), -1);
    EXPECT_TRUE(log_.lines().empty());
}

}  // namespace
