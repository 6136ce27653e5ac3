// The rows of the Keys screen: how a key is chosen, refused or let be, and the texts that
// show the keys.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/KeyButton.h"
#include "render/Camera.h"
#include "support/GuiEnvironment.h"
#include "support/RecordingRenderer.h"

using namespace nimbus;

namespace {

InputEvent padEvent(int32_t action) {
    InputEvent event = keyEvent(-1, 0, true);
    event.action = action;
    return event;
}

// A click, or Enter on the lit row, makes the row wait; every key then goes to it until
// one is bound, and that key's release is the row's too. Escape, the pad's Back or a click
// elsewhere cancel;
// a key of another action, a menu key and a key without a name are refused. Quitting works
// again once the row has let go.
TEST(KeyButton, ARowWaitsForAKeyRefusesWhatItMustAndLetsEscapeCancel) {
    GuiEnvironment env;
    Gui gui(1024, 768);
    ASSERT_TRUE(gui.load(env.write(R"(<windows>
        <window class="key_button" input="roll_up" x="0" y="0.5" w="1" h="0.2" show="true"/>
        <window class="key_button" input="roll_down" x="0" y="-0.5" w="1" h="0.2" show="true"/>
        </windows>)")
                             .c_str()));
    const KeyButton& row = static_cast<KeyButton&>(*gui.window(0));
    gui.setProperty(kPropertyKeysMessage, "");
    struct Step {
        const char* what;
        std::vector<InputEvent> events;
        int32_t key;  // the key of the row's action after the step
        bool waiting;
        bool holdsKeys;  // every key goes to the row
        const char* message;
        bool quits;
    };
    const Step steps[] = {
        {"a click",
         {moveEvent(512, 192), buttonEvent(InputEvent::MouseDown, 512, 192)},
         SDLK_UP,
         false,
         false,
         "",
         false},
        {"waits from the next frame", {}, SDLK_UP, true, true, kKeysAskText, false},
        {"a click beside it ends the wait",
         {moveEvent(512, 384), buttonEvent(InputEvent::MouseDown, 512, 384)},
         SDLK_UP,
         false,
         false,
         kKeysAskText,
         false},
        {"and the message with the next frame", {}, SDLK_UP, false, false, "", false},
        {"waits again",
         {moveEvent(512, 192), buttonEvent(InputEvent::MouseDown, 512, 192)},
         SDLK_UP,
         false,
         false,
         "",
         false},
        {"from the next frame", {}, SDLK_UP, true, true, kKeysAskText, false},
        {"Escape cancels, its release quits nothing",
         {keyEvent(SDLK_ESCAPE, 27, true), keyEvent(SDLK_ESCAPE, 0, false)},
         SDLK_UP,
         false,
         false,
         "",
         false},
        {"Tab lights the row, Enter makes it wait",
         {keyEvent(SDLK_TAB, 9, true), keyEvent(SDLK_RETURN, 13, true), keyEvent(SDLK_RETURN, 0, false)},
         SDLK_UP,
         true,
         true,
         kKeysAskText,
         false},
        {"another action's key",
         {keyEvent(SDLK_DOWN, 0, true)},
         SDLK_UP,
         true,
         true,
         "Taken by Roll down",
         false},
        {"a menu key", {keyEvent(SDLK_TAB, 9, true)}, SDLK_UP, true, true, "Tab works the menus", false},
        {"a key without a name",
         {keyEvent(SDLK_WORLD_5, 0, true)},
         SDLK_UP,
         true,
         true,
         kKeysUnnamedText,
         false},
        {"the pad's d-pad", {padEvent(kInputRollLeft)}, SDLK_UP, true, true, kKeysUnnamedText, false},
        {"a free key", {keyEvent(SDLK_j, 'j', true)}, SDLK_j, false, true, "", false},
        {"its release lets go", {keyEvent(SDLK_j, 0, false)}, SDLK_j, false, false, "", false},
        {"again", {keyEvent(SDLK_RETURN, 13, true)}, SDLK_j, true, true, kKeysAskText, false},
        {"a key, its release and Escape in one frame: Escape goes nowhere",
         {keyEvent(SDLK_k, 'k', true), keyEvent(SDLK_k, 0, false), keyEvent(SDLK_ESCAPE, 27, true)},
         SDLK_k,
         false,
         false,
         "",
         false},
        {"and again", {keyEvent(SDLK_RETURN, 13, true)}, SDLK_k, true, true, kKeysAskText, false},
        {"the pad's Back cancels", {padEvent(kInputBack)}, SDLK_k, false, false, "", false},
        {"Escape quits", {keyEvent(SDLK_ESCAPE, 27, true)}, SDLK_k, false, false, "", true},
    };
    // The other row is never lit: it keeps the size it had, its cap reaching as far right.
    Window& other = *gui.window(1);
    const auto rightmost = [&] {
        RecordingRenderer renderer;
        other.draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
        float x = -1e9f;
        for (const RecordingRenderer::Added& added : renderer.added)
            for (const ScreenVertex& corner : added.quad.corners) x = std::max(x, corner.x);
        return x;
    };
    const float resting = rightmost();
    for (const Step& step : steps) {
        std::vector<InputEvent> events = step.events;
        EXPECT_EQ(!gui.update(0.1f, events.data(), static_cast<int>(events.size())), step.quits) << step.what;
        EXPECT_EQ(gui.keys().key(kInputRollUp), step.key) << step.what;
        EXPECT_EQ(row.waiting(gui), step.waiting) << step.what;
        EXPECT_EQ(gui.getProperty(kPropertyKeysMessage), step.message) << step.what;
        EXPECT_EQ(gui.keyCapture() != nullptr, step.holdsKeys) << step.what;
    }
    EXPECT_EQ(rightmost(), resting);
}

// A text that names a key shows the key as bound, also after it changed.
TEST(KeyButton, TextsShowTheKeysAsBound) {
    GuiEnvironment env;
    Gui gui(1024, 768);
    ASSERT_TRUE(gui.load(env.write(R"(<windows>
        <window class="text" message="{roll_up}" x="0" y="0" w="1" h="0.1" show="true"/>
        </windows>)")
                             .c_str()));
    RecordingRenderer up, f12;
    gui.draw(Camera(), up);
    gui.keys().bind(kInputRollUp, SDLK_F12);
    gui.draw(Camera(), f12);
    ASSERT_GT(up.added.size(), 0u);
    EXPECT_EQ(f12.added.size(), up.added.size() * 3 / 2) << "\"F12\" draws three glyphs, \"Up\" two";
}

}  // namespace
