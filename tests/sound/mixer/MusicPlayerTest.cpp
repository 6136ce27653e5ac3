#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "sound/MusicPlayer.h"
#include "sound/SoundSystem.h"

using namespace nimbus;

namespace {

// An open device and two short musics (the mixer plays WAV files as music too).
class MusicPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(device_.open());
        files_.write("menu.wav", toneWav(3.0));
        files_.write("game.wav", toneWav(3.0));
        menu_ =
            ResourceHandle<MusicEffect>(new MusicEffect(Mix_LoadMUS((files_.path() + "/menu.wav").c_str())));
        game_ =
            ResourceHandle<MusicEffect>(new MusicEffect(Mix_LoadMUS((files_.path() + "/game.wav").c_str())));
        ASSERT_NE(menu_->music(), nullptr);
        ASSERT_NE(game_->music(), nullptr);
    }
    void TearDown() override { Mix_HaltMusic(); }

    TempDirectory files_;
    SoundSystem device_;
    ResourceHandle<MusicEffect> menu_;
    ResourceHandle<MusicEffect> game_;
};

TEST_F(MusicPlayerTest, ARequestWhileAnotherIsPendingIsDropped) {
    MusicPlayer player;
    EXPECT_TRUE(player.play(0.0f, 0.0f, menu_));
    EXPECT_FALSE(player.play(0.0f, 0.0f, game_));
    EXPECT_EQ(player.pending().get(), menu_.get());
    EXPECT_FALSE(player.current());
    EXPECT_FALSE(Mix_PlayingMusic()) << "nothing starts before update";
}

TEST_F(MusicPlayerTest, UpdateStartsThePendingMusicAtTheMusicVolume) {
    MusicPlayer player;
    player.play(0.0f, 0.0f, menu_);
    player.update();
    EXPECT_EQ(player.current().get(), menu_.get());
    EXPECT_FALSE(player.pending());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 51);

    EXPECT_TRUE(player.play(0.0f, 0.0f, game_)) << "the current music does not block a change";
    player.update();
    EXPECT_EQ(player.current().get(), game_.get());
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MusicPlayerTest, ThePendingMusicWaitsForTheFadeOut) {
    MusicPlayer player;
    player.play(0.0f, 0.0f, menu_);
    player.update();
    player.play(2.0f, 0.5f, game_);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    player.update();
    EXPECT_EQ(player.current().get(), menu_.get()) << "seconds of fade, not milliseconds";
    EXPECT_EQ(player.pending().get(), game_.get());
}

TEST_F(MusicPlayerTest, TheCurrentMusicStaysAliveWhileThePlayerHoldsIt) {
    MusicEffect* menu = menu_.get();
    MusicPlayer player;
    player.play(0.0f, 0.0f, menu_);
    player.update();
    menu_.release();
    EXPECT_EQ(player.current().get(), menu);
    EXPECT_TRUE(Mix_PlayingMusic());
}

}  // namespace
