#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <tuple>

#include "gui/KeyBindings.h"
#include "gui/KeyNames.h"
#include "support/GuiEnvironment.h"

using namespace nimbus;

namespace {

using Choice = KeyBindings::Choice;

// One player's choices in a row: a key another action has, one the menus need and one without a name are
// refused, the action keeping its key; Back and Quit may share one. Defaults put every key back.
TEST(KeyBindings, AnActionTakesAKeyNoOtherActionAndNoMenuNeeds) {
    // The action, the key pressed, the choice and the action that keeps the key.
    const std::tuple<int32_t, int32_t, Choice, int32_t> steps[] = {
        {kInputRollLeft, SDLK_j, Choice::kBound, kNoInputAction},
        {kInputRollUp, SDLK_j, Choice::kTaken, kInputRollLeft},
        {kInputRollUp, SDLK_UP, Choice::kBound, kNoInputAction},
        {kInputPause, SDLK_RETURN, Choice::kMenuKey, kNoInputAction},
        {kInputPause, SDLK_TAB, Choice::kMenuKey, kNoInputAction},
        {kInputHint, SDLK_WORLD_0, Choice::kUnnamed, kNoInputAction},
        {kInputQuit, SDLK_q, Choice::kBound, kNoInputAction},
        {kInputBack, SDLK_q, Choice::kBound, kNoInputAction},
        {kInputMute, SDLK_q, Choice::kTaken, kInputBack},
    };
    KeyBindings keys;
    for (const auto& [action, key, choice, keeper] : steps) {
        SCOPED_TRACE(std::string(kInputActions[action].name) + " on " + std::to_string(key));
        int32_t holder = kNoInputAction;
        EXPECT_EQ(keys.bind(action, key, &holder), choice);
        EXPECT_EQ(holder, keeper);
        EXPECT_EQ(keys.key(action) == key, choice == Choice::kBound);
    }
    EXPECT_TRUE(keys.consistent());
    EXPECT_EQ(keys.key(kInputPause), SDLK_SPACE);
    keys.assign(kInputMute, SDLK_j);
    EXPECT_FALSE(keys.consistent()) << "mute and left on J";
    keys.restoreDefaults();
    EXPECT_EQ(keys, KeyBindings());
    EXPECT_EQ(keys.key(kInputRollLeft), SDLK_LEFT);
}

// Keys match by their binding; a pad's control by its action, whatever key that has.
TEST(KeyBindings, EventsMatchTheBoundKeyOrThePadsAction) {
    KeyBindings keys;
    keys.bind(kInputRollLeft, SDLK_j);
    InputEvent pad = keyEvent(SDLK_LEFT, 0, true);
    pad.action = kInputRollLeft;
    const std::tuple<const char*, InputEvent, int32_t, bool, bool> cases[] = {
        {"the new key", keyEvent(SDLK_j, 'j', true), kInputRollLeft, true, true},
        {"its release", keyEvent(SDLK_j, 0, false), kInputRollLeft, true, false},
        {"the old key", keyEvent(SDLK_LEFT, 0, true), kInputRollLeft, false, false},
        {"the pad's d-pad", pad, kInputRollLeft, true, true},
        {"the d-pad is no arrow key to the game", pad, kInputRollUp, false, false},
        {"Escape is back", keyEvent(SDLK_ESCAPE, 0, true), kInputBack, true, true},
        {"and quit", keyEvent(SDLK_ESCAPE, 0, true), kInputQuit, true, true},
        {"a click", buttonEvent(InputEvent::MouseDown, 0, 0), kInputPause, false, false},
    };
    for (const auto& [what, event, action, matches, pressed] : cases) {
        EXPECT_EQ(keys.matches(event, action), matches) << what;
        EXPECT_EQ(keys.pressed(event, action), pressed) << what;
    }
}

TEST(KeyBindings, TextsNameTheKeysAsBound) {
    KeyBindings keys;
    const char* const hint = "{rolls} roll, {twist_anticlockwise} and {twist_clockwise} twist";
    EXPECT_EQ(keys.fill(hint), "Arrows roll, A and S twist");
    keys.bind(kInputRollLeft, SDLK_PAGEDOWN);
    keys.bind(kInputTwistClockwise, SDLK_x);
    EXPECT_EQ(keys.fill(hint), "Up/Page Down/Down/Right roll, A and X twist");
    EXPECT_EQ(keys.fill("{pause} {nothing} {quit"), "Space {nothing} {quit");
    // Names read back, in any letter case.
    const std::pair<const char*, const char*> names[] = {
        {"page down", "Page Down"}, {"x", "X"}, {"KEYPAD 5", "Keypad 5"}, {"F15", "F15"}, {"\\", "\\"}};
    for (const auto& [typed, name] : names) EXPECT_STREQ(keyName(keyNamed(typed)), name) << typed;
    EXPECT_EQ(keyNamed("Banana"), -1);
    EXPECT_STREQ(keyXName(SDLK_PAGEDOWN), "Next");
}

}  // namespace
