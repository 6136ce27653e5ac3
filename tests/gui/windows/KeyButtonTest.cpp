// The rows of the Keys screen, and the texts that show the keys.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

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

class KeyButton : public ::testing::Test {
protected:
    void load(const std::string& windows) { ASSERT_TRUE(env.load(gui, windows)); }

    GuiEnvironment env;
    Gui gui{1024, 768};
};

// A click, or Enter on the lit row, makes it wait; every key then goes to it until one is
// bound, its release too. Escape, the pad's Back or a click elsewhere cancel; another
// action's key, a menu key and a nameless key are refused. Quitting works once it lets go.
TEST_F(KeyButton, ARowWaitsForAKeyRefusesWhatItMustAndLetsEscapeCancel) {
    load(R"(<window class="key_button" input="roll_up" x="0" y="0.5" w="1" h="0.2" show="true"/>
        <window class="key_button" input="roll_down" x="0" y="-0.5" w="1" h="0.2" show="true"/>)");
    const nimbus::KeyButton& row = static_cast<nimbus::KeyButton&>(*gui.window(0));
    gui.setProperty(kPropertyKeysMessage, "");
    // After each step: the key of the row's action, then "w" if the row waits, "h" if every
    // key goes to it, "q" if the frame quit; and the message shown.
    struct Step {
        const char* what;
        std::vector<InputEvent> events;
        int32_t key;
        std::string state;
        const char* message;
    };
    const std::vector<InputEvent> onRow = {moveEvent(512, 192), buttonEvent(InputEvent::MouseDown, 512, 192)},
                                  beside = {moveEvent(512, 384),
                                            buttonEvent(InputEvent::MouseDown, 512, 384)};
    const InputEvent escape = keyEvent(SDLK_ESCAPE, 27, true), escapeUp = keyEvent(SDLK_ESCAPE, 0, false),
                     enter = keyEvent(SDLK_RETURN, 13, true), tab = keyEvent(SDLK_TAB, 9, true);
    const Step steps[] = {
        {"a click", onRow, SDLK_UP, "", ""},
        {"waits from the next frame", {}, SDLK_UP, "wh", kKeysAskText},
        {"a click beside it ends the wait", beside, SDLK_UP, "", kKeysAskText},
        {"and the message with the next frame", {}, SDLK_UP, "", ""},
        {"waits again", onRow, SDLK_UP, "", ""},
        {"from the next frame", {}, SDLK_UP, "wh", kKeysAskText},
        {"Escape cancels, its release quits nothing", {escape, escapeUp}, SDLK_UP, "", ""},
        {"Tab lights it, Enter makes it wait",
         {tab, enter, keyEvent(SDLK_RETURN, 0, false)},
         SDLK_UP,
         "wh",
         kKeysAskText},
        {"another action's key", {keyEvent(SDLK_DOWN, 0, true)}, SDLK_UP, "wh", "Taken by Roll down"},
        {"a menu key", {tab}, SDLK_UP, "wh", "Tab works the menus"},
        {"a key without a name", {keyEvent(SDLK_WORLD_5, 0, true)}, SDLK_UP, "wh", kKeysUnnamedText},
        {"the pad's d-pad", {padEvent(kInputRollLeft)}, SDLK_UP, "wh", kKeysUnnamedText},
        {"a free key", {keyEvent(SDLK_j, 'j', true)}, SDLK_j, "h", ""},
        {"its release lets go", {keyEvent(SDLK_j, 0, false)}, SDLK_j, "", ""},
        {"again", {enter}, SDLK_j, "wh", kKeysAskText},
        {"k, its release and Escape in a frame: Escape goes nowhere",
         {keyEvent(SDLK_k, 'k', true), keyEvent(SDLK_k, 0, false), escape},
         SDLK_k,
         "",
         ""},
        {"and again", {enter}, SDLK_k, "wh", kKeysAskText},
        {"the pad's Back cancels", {padEvent(kInputBack)}, SDLK_k, "", ""},
        {"Escape quits", {escape}, SDLK_k, "q", ""},
    };
    // The other row is never lit: it keeps the size it had, its cap reaching as far right.
    Window& other = *gui.window(1);
    const auto rightmost = [&] {
        RecordingRenderer renderer;
        other.draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
        return renderer.rightmost();
    };
    const float resting = rightmost();
    for (const Step& step : steps) {
        std::vector<InputEvent> events = step.events;
        const bool quit = !gui.update(0.1f, events.data(), static_cast<int>(events.size()));
        const std::string state =
            std::string(row.waiting(gui) ? "w" : "") + (gui.keyCapture() ? "h" : "") + (quit ? "q" : "");
        EXPECT_EQ(gui.keys().key(kInputRollUp), step.key) << step.what;
        EXPECT_EQ(state, step.state) << step.what;
        EXPECT_EQ(gui.getProperty(kPropertyKeysMessage), step.message) << step.what;
    }
    EXPECT_EQ(rightmost(), resting);
}

// A caption too long for its row is made to fit short of the key cap at its largest, whose
// left edge lies 0.3 of the row's width times the largest hover scale, 1.25, from its right.
TEST_F(KeyButton, ALongCaptionStopsShortOfTheSwollenCap) {
    load(R"(<window class="key_button" input="roll_up" x="0" y="0" w="1" h="0.5" show="true"/>)");
    RecordingRenderer renderer;
    gui.window(0)->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    const float capLeft = 0.5f - 0.3f * 1.25f;
    // The caption comes first, before the cap and its key.
    bool caption = true;
    const float captionRight = renderer.rightmost(
        [&](const RecordingRenderer::Added& added) { return caption = caption && added.texture; });
    EXPECT_GT(captionRight, capLeft - 0.1f) << "the caption was made to fit the room it has";
    EXPECT_LE(captionRight, capLeft);
}

// Also after the key changed.
TEST_F(KeyButton, TextsShowTheKeysAsBound) {
    load(R"(<window class="text" message="{roll_up}" x="0" y="0" w="1" h="0.1" show="true"/>)");
    RecordingRenderer up, f12;
    gui.draw(Camera(), up);
    gui.keys().bind(kInputRollUp, SDLK_F12);
    gui.draw(Camera(), f12);
    ASSERT_GT(up.added.size(), 0u);
    EXPECT_EQ(f12.added.size(), up.added.size() * 3 / 2) << "\"F12\" draws three glyphs, \"Up\" two";
}

}  // namespace
