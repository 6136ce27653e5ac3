// SDL's event queue converted into the game's input records, on SDL's dummy video driver.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/InputEvent.h"
#include "support/SdlEvents.h"

using namespace nimbus;

namespace {

class PollInputEvents : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_Event drain;
        while (SDL_PollEvent(&drain)) {
        }
    }
    // The suites after this one open real windows.
    void TearDown() override {
        SDL_Quit();
        unsetenv("SDL_VIDEODRIVER");
    }
    InputEvent records[kMaxInputEvents];
};

TEST_F(PollInputEvents, SixteenRecordsAFrameAndTheRestWaitForTheNext) {
    for (int i = 0; i < 20; ++i) {
        pushMotion(static_cast<Uint16>(i), 7);
        if (i == 2) {  // a kind the game does not use takes no record
            SDL_Event expose{};
            expose.type = SDL_VIDEOEXPOSE;
            pushSdlEvent(expose);
        }
    }
    for (InputEvent& record : records) record.key = 99;
    ASSERT_EQ(pollInputEvents(records), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(std::make_tuple(records[i].type, records[i].x, records[i].y),
                  std::make_tuple(InputEvent::MouseMove, i, 7));
        EXPECT_EQ(records[i].key, 99);  // fields a kind does not use are left alone
    }
    ASSERT_EQ(pollInputEvents(records), 4);
    EXPECT_EQ(records[3].x, 19);
    EXPECT_EQ(pollInputEvents(records), 0);
}

TEST_F(PollInputEvents, KeysButtonsAndQuitKeepWhatTheGameReads) {
    pushKey(SDL_KEYDOWN, SDLK_a, 'A', KMOD_LSHIFT);
    pushKey(SDL_KEYUP, SDLK_a, 0, KMOD_NONE);
    const Uint8 buttons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_WHEELUP,
                             SDL_BUTTON_WHEELDOWN};
    for (Uint8 button : buttons) pushButton(SDL_MOUSEBUTTONDOWN, button, 10, 20);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 30, 40);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    pushSdlEvent(quit);

    ASSERT_EQ(pollInputEvents(records), 9);
    EXPECT_EQ(std::make_tuple(records[0].type, records[0].key, records[0].unicode, records[0].modifiers,
                              records[0].pressed),
              std::make_tuple(InputEvent::Key, int32_t(SDLK_a), int32_t('A'), int32_t(KMOD_LSHIFT), true));
    EXPECT_FALSE(records[1].pressed);
    const int32_t expected[] = {0, 1, 2, 0, 0};
    for (int i = 0; i < 5; ++i) {
        const InputEvent& r = records[2 + i];
        EXPECT_EQ(std::make_tuple(r.type, r.button, r.pressed, r.y),
                  std::make_tuple(InputEvent::MouseDown, expected[i], true, 20))
            << "SDL button " << int(buttons[i]);
    }
    const InputEvent& up = records[7];
    EXPECT_EQ(std::make_tuple(up.type, up.button, up.pressed, up.x),
              std::make_tuple(InputEvent::MouseUp, InputEvent::kRightButton, false, 30));
    EXPECT_EQ(records[8].type, InputEvent::Quit);
}

}  // namespace
