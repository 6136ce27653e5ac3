// SDL's event queue converted into the game's input records, on SDL's dummy video driver.
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/InputEvent.h"

using namespace nimbus;

namespace {

class PollInputEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_Event drain;
        while (SDL_PollEvent(&drain)) {
        }
    }
    void TearDown() override { SDL_Quit(); }

    static void pushButton(Uint8 type, Uint8 button, Uint16 x, Uint16 y) {
        SDL_Event event{};
        event.type = type;
        event.button.type = type;
        event.button.button = button;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void pushKey(Uint8 type, SDLKey key, Uint16 unicode, SDLMod mod) {
        SDL_Event event{};
        event.type = type;
        event.key.type = type;
        event.key.keysym.sym = key;
        event.key.keysym.unicode = unicode;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }
};

}  // namespace

TEST_F(PollInputEventsTest, SixteenRecordsAFrameAndTheRestWaitForTheNext) {
    for (int i = 0; i < 20; ++i) {
        SDL_Event event{};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(i);
        event.motion.y = 7;
        SDL_PushEvent(&event);
        if (i == 2) {  // a kind the game does not use takes no record
            SDL_Event expose{};
            expose.type = SDL_VIDEOEXPOSE;
            SDL_PushEvent(&expose);
        }
    }
    InputEvent records[kMaxInputEvents];
    for (InputEvent& record : records) record.key = 99;
    ASSERT_EQ(pollInputEvents(records), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(records[i].type, InputEvent::MouseMove);
        EXPECT_EQ(records[i].x, i);
        EXPECT_EQ(records[i].y, 7);
        EXPECT_EQ(records[i].key, 99);  // fields a kind does not use are left alone
    }
    ASSERT_EQ(pollInputEvents(records), 4);
    EXPECT_EQ(records[3].x, 19);
    EXPECT_EQ(pollInputEvents(records), 0);
}

TEST_F(PollInputEventsTest, KeysButtonsAndQuitKeepWhatTheGameReads) {
    pushKey(SDL_KEYDOWN, SDLK_a, 'A', KMOD_LSHIFT);
    pushKey(SDL_KEYUP, SDLK_a, 0, KMOD_NONE);
    const Uint8 buttons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_WHEELUP,
                             SDL_BUTTON_WHEELDOWN};
    for (Uint8 button : buttons) pushButton(SDL_MOUSEBUTTONDOWN, button, 10, 20);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 30, 40);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);

    InputEvent records[kMaxInputEvents];
    ASSERT_EQ(pollInputEvents(records), 9);
    EXPECT_EQ(records[0].type, InputEvent::Key);
    EXPECT_EQ(records[0].key, SDLK_a);
    EXPECT_EQ(records[0].unicode, 'A');
    EXPECT_EQ(records[0].modifiers, KMOD_LSHIFT);
    EXPECT_TRUE(records[0].pressed);
    EXPECT_FALSE(records[1].pressed);
    const int32_t expected[] = {0, 1, 2, 0, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records[2 + i].type, InputEvent::MouseDown);
        EXPECT_EQ(records[2 + i].button, expected[i]) << "SDL button " << int(buttons[i]);
        EXPECT_TRUE(records[2 + i].pressed);
        EXPECT_EQ(records[2 + i].y, 20);
    }
    EXPECT_EQ(records[7].type, InputEvent::MouseUp);
    EXPECT_EQ(records[7].button, InputEvent::kRightButton);
    EXPECT_FALSE(records[7].pressed);
    EXPECT_EQ(records[7].x, 30);
    EXPECT_EQ(records[8].type, InputEvent::Quit);
}
