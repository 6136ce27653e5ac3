#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "SoundTestSupport.h"
#include "core/posix/PosixInArchive.h"
#include "sound/SoundStartup.h"

using namespace nimbus;

// A program of its own: it asks SDL for an audio driver that does not exist, so the
// device cannot open.
TEST(NoAudioDevice, StartUpFailsWithTheMixersReason) {
    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "no-such-driver", 1), 0);
    TempDirectory data;
    data.write("Levels/Common/Sounds/Move.sound", toneWav(0.1));
    PosixInArchive archive(data.path());
    CapturedLog log;
    SoundServices services;

    EXPECT_FALSE(startSound(archive, data.path() + "/Music", services));
    ASSERT_EQ(log.lines().size(), 1u);
    const std::string reason = Mix_GetError();
    EXPECT_FALSE(reason.empty());
    EXPECT_NE(log.lines()[0].find("Failed to open the audio device - " + reason), std::string::npos);

    ASSERT_TRUE(services.sound);
    EXPECT_FALSE(services.sound->initialized());
    EXPECT_EQ(services.sound->play("Move"), -1);
    EXPECT_FALSE(services.music) << "no step after the failed one ran";
}
