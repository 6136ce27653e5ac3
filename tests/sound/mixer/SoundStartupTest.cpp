#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "SoundTestSupport.h"
#include "core/ResourceManager.h"
#include "core/posix/PosixInArchive.h"
#include "sound/SoundStartup.h"

using namespace nimbus;

namespace {

// A data directory as the application sees it, and a resource manager of its own.
class SoundStartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = setResourceManager(new ResourceManager);
        data_.write("Levels/Common/Sounds/Move.sound", toneWav(0.1));
        archive_ = std::make_unique<PosixInArchive>(data_.path());
    }
    void TearDown() override {
        services_.music.reset();
        delete setResourceManager(previous_);
        services_.sound.reset();
    }
    std::string musicDirectory() const { return data_.path() + "/Music"; }

    TempDirectory data_;
    std::unique_ptr<PosixInArchive> archive_;
    CapturedLog log_;
    SoundServices services_;
    ResourceManager* previous_ = nullptr;
};

TEST_F(SoundStartupTest, BringsUpEffectsPlayerAndBothMusics) {
    data_.write("Music/Menu.music", toneWav(1.0));
    data_.write("Music/Game.music", toneWav(1.0));
    ASSERT_TRUE(startSound(*archive_, musicDirectory(), services_));
    EXPECT_TRUE(log_.lines().empty());
    EXPECT_EQ(services_.sound->play("Move"), 0);
    ASSERT_TRUE(services_.music);

    const auto menu = getResource<MusicEffect>("Music/Menu", "Music");
    ASSERT_TRUE(menu);
    EXPECT_TRUE(getResource<MusicEffect>("Music/Game", "Music"));
    EXPECT_FALSE(getResource<MusicEffect>("Music/Game", "Texture"));

    EXPECT_TRUE(requestMusic(*services_.music, "Music/Menu"));
    EXPECT_FALSE(requestMusic(*services_.music, "Music/Game")) << "Menu is still pending";
    services_.music->update();
    EXPECT_EQ(services_.music->current().get(), menu.get());
    EXPECT_FALSE(requestMusic(*services_.music, "Music/Credits"));
}

TEST_F(SoundStartupTest, AMissingMusicFailsStartUpNamingTheFile) {
    data_.write("Music/Menu.music", toneWav(1.0));
    EXPECT_FALSE(startSound(*archive_, musicDirectory(), services_));
    ASSERT_EQ(log_.lines().size(), 1u);
    EXPECT_NE(log_.lines()[0].find("Game.music"), std::string::npos);
    EXPECT_TRUE(getResource<MusicEffect>("Music/Menu", "Music"));
    EXPECT_FALSE(getResource<MusicEffect>("Music/Game", "Music"));
}

TEST_F(SoundStartupTest, ABadEffectStopsStartUpBeforeTheMusic) {
    data_.write("Levels/Common/Sounds/Twist.sound", "garbage");
    data_.write("Music/Menu.music", toneWav(1.0));
    data_.write("Music/Game.music", toneWav(1.0));
    EXPECT_FALSE(startSound(*archive_, musicDirectory(), services_));
    EXPECT_FALSE(services_.music);
    EXPECT_FALSE(getResource<MusicEffect>("Music/Menu", "Music"));
}

}  // namespace
