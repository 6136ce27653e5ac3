#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "game/Application.h"
#include "game/GameStateInfo.h"
#include "game/states/GenericState.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "sound/GameSound.h"
#include "support/LogCapture.h"
#include "support/TestData.h"

using namespace nimbus;

namespace {

// A program of its own asking SDL for an audio driver that does not exist, as without a sound card.
TEST(NoSoundDevice, TheGameStartsAndPlaysSilentlyAfterOneErrorLineWithTheMixersReason) {
    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "no-such-driver", 1), 0);
    TestData data;
    data.addTestDocument();
    data.addLevel("1", {"...", ".S.", ".G.", "..."});
    LogCapture log;
    Application app(false, data.data());
    ASSERT_TRUE(app.startUp());
    ASSERT_EQ(log.lines().size(), 1u) << log.all();
    EXPECT_TRUE(log.saw({"Failed to open the audio device - ", Mix_GetError()})) << log.all();
    EXPECT_FALSE(app.stateInfo()->sound->initialized());
    EXPECT_EQ(app.stateInfo()->sound->play("Move"), -1);

    app.gui()->setProperty(kPropertyExitToState, kStatePlaying);
    for (int frame = 0; frame < 8; ++frame) app.frame(0.25f);
    EXPECT_STREQ(app.state()->name(), "PlayingState");
    EXPECT_EQ(log.lines().size(), 1u) << "a level asks no device again\n" << log.all();
}

}  // namespace
