// The keyboard focus of the menus: its order, the windows it skips, and the keys that
// step it, press the focused button or still type into the name field.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <string>

#include "gui/Gui.h"
#include "gui/windows/Window.h"
#include "support/GuiEnvironment.h"

using namespace nimbus;

namespace {

// A field, a hidden button, a button under a window that takes no input, two buttons and
// a text between them that takes no focus.
const char kMenu[] = R"(<windows><window class="null" name="menu" x="0" y="0" w="2" h="2" show="true">
    <window class="edit_box" name="field" property="name" initial="" x="0" y="0.6" w="1" h="0.2" show="true"/>
    <window class="button" name="hidden" action="hidden" x="0" y="0.4" w="1" h="0.2"/>
    <window class="null" name="locked" x="0" y="0.2" w="1" h="0.2" show="true">
      <window class="button" name="inLocked" action="locked" x="0" y="0" w="1" h="0.2" show="true"/>
    </window>
    <window class="button" name="play" action="play" x="0" y="0" w="1" h="0.2" show="true"/>
    <window class="text" name="label" message="or" x="0" y="-0.2" w="1" h="0.2" show="true"/>
    <window class="button" name="quit" action="quit" x="0" y="-0.4" w="1" h="0.2" show="true"/>
  </window></windows>)";

class KeyboardFocusTest : public ::testing::Test {
protected:
    KeyboardFocusTest() : gui(1024, 768) {
        EXPECT_TRUE(gui.load(env.write(kMenu).c_str()));
        gui.findWindow("locked")->disableInput();
    }
    std::string focusName() const { return gui.focus() ? gui.focus()->name() : "none"; }

    GuiEnvironment env;
    Gui gui;
};

InputEvent press(int32_t key, int32_t unicode = 0, int32_t modifiers = 0) {
    return keyEvent(key, unicode, true, modifiers);
}

TEST_F(KeyboardFocusTest, TabAndTheArrowsStepInDocumentOrderSkippingWhatTakesNoInputAndWrap) {
    const std::pair<InputEvent, const char*> steps[] = {
        {press(SDLK_TAB, 9, KMOD_LSHIFT), "quit"},  // from no focus, backwards starts at the end
        {press(SDLK_TAB, 9), "field"},
        {keyEvent(SDLK_TAB, 0, false), "field"},  // a release steps nothing
        {press(SDLK_DOWN), "play"},
        {press(SDLK_RIGHT), "quit"},
        {press(SDLK_UP), "play"},
        {press(SDLK_LEFT), "field"},
        {press(SDLK_TAB, 9, KMOD_RSHIFT), "quit"},
    };
    for (const auto& [event, focused] : steps) {
        EXPECT_EQ(gui.onKey(event), event.pressed) << focused;
        EXPECT_EQ(focusName(), focused);
    }
    // A focused window that is hidden is unlit and the next step starts afresh; shown
    // again, it is lit only if the focus stayed on it.
    gui.findWindow("quit")->hide();
    EXPECT_EQ(focusName(), "none");
    gui.findWindow("quit")->show();
    EXPECT_EQ(focusName(), "quit");
    gui.findWindow("quit")->hide();
    gui.onKey(press(SDLK_TAB, 9, KMOD_LSHIFT));
    EXPECT_EQ(focusName(), "play");
}

TEST_F(KeyboardFocusTest, EnterAndSpacePressOnlyTheFocusedButtonAndLettersStillGoToTheField) {
    struct Step {
        int tabs;  // Tab presses first
        InputEvent key;
        const char* signal;  // the newest queued, "" for none
        const char* name;
    };
    const Step steps[] = {
        {0, press(SDLK_SPACE, ' '), "", " "},  // no focus: the field types as ever
        {0, press(SDLK_RETURN, 13), "", " "},
        {2, press(SDLK_RETURN, 13), "play", " "},
        {0, press(SDLK_KP_ENTER, 13), "play", " "},
        {1, press(SDLK_SPACE, ' '), "quit", " "},
        {0, press(SDLK_x, 'x'), "", " x"},
        {1, press(SDLK_SPACE, ' '), "", " x "},  // the focused field types the space
    };
    for (const Step& step : steps) {
        for (int i = 0; i < step.tabs; ++i) gui.onKey(press(SDLK_TAB, 9));
        const size_t before = gui.signals().size();
        EXPECT_TRUE(gui.onKey(step.key));
        const bool signalled = gui.signals().size() > before;
        EXPECT_EQ(signalled ? gui.signals().back() : "", step.signal) << focusName();
        EXPECT_EQ(gui.getProperty("name"), step.name);
    }
}

// The arrows and Space reach the game while the focus keys are off, and wherever there is
// no window to focus.
TEST_F(KeyboardFocusTest, WithTheFocusKeysOffTheArrowsAndSpaceGoOnToTheGame) {
    gui.findWindow("field")->hide();
    gui.onKey(press(SDLK_TAB, 9));
    ASSERT_EQ(focusName(), "play");
    gui.setFocusKeys(false);
    EXPECT_EQ(focusName(), "none");
    for (const InputEvent& key : {press(SDLK_DOWN), press(SDLK_TAB, 9), press(SDLK_SPACE, ' ')}) {
        EXPECT_FALSE(gui.onKey(key)) << key.key;
    }
    EXPECT_TRUE(gui.signals().empty());
    gui.setFocusKeys(true);
    EXPECT_EQ(focusName(), "play");
    // With nothing to step to, the arrows go on too.
    gui.findWindow("menu")->hide();
    EXPECT_FALSE(gui.onKey(press(SDLK_DOWN)));
}

}  // namespace
