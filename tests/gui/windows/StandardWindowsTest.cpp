// What the standard windows draw, how they answer input, and how colours are written.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/math/Color.h"
#include "gui/AttributeFormat.h"
#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Button.h"
#include "gui/windows/EditBox.h"
#include "gui/windows/PropertyLines.h"
#include "gui/windows/Slider.h"
#include "gui/windows/Swatch.h"
#include "gui/windows/TextField.h"
#include "gui/windows/Window.h"
#include "render/Camera.h"
#include "support/CatalogueBytes.h"
#include "support/Golden.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"

using namespace nimbus;

namespace {

class StandardWindowsTest : public ::testing::Test {
protected:
    StandardWindowsTest() : gui(1024, 768) {}
    void load(const std::string& windows) { ASSERT_TRUE(env.load(gui, windows)); }
    void draw() { gui.draw(Camera(), renderer); }

    GuiEnvironment env;
    Gui gui;
    RecordingRenderer renderer;
};

TEST_F(StandardWindowsTest, ButtonSwellsWhileHoveredAndFiresOnALeftPressOnItsBorder) {
    load(
        R"(<window class="button" action="go" caption="Play" x="0.5" y="0.25" w="0.5" h="0.25" show="true"/>)");
    Button& button = static_cast<Button&>(*gui.window(0));
    SignalQueue signals;
    // A corner counts as inside.
    const std::pair<float, float> hovers[] = {{0.75f, 1.125f}, {0.75f, 1.25f}, {0.75f, 1.25f},
                                              {0.76f, 1.125f}, {0.76f, 1.0f},  {0.76f, 1.0f}};
    for (const auto& [x, expected] : hovers) {
        button.update(0.25f, signals, gui, Vector2(x, 0.125f));
        EXPECT_FLOAT_EQ(button.hoverScale(), expected) << x;
    }
    const std::tuple<float, bool, int32_t> ignored[] = {{0.25f, true, InputEvent::kRightButton},
                                                        {0.25f, false, InputEvent::kLeftButton},
                                                        {0.24f, true, InputEvent::kLeftButton}};
    for (const auto& [x, pressed, which] : ignored)
        EXPECT_FALSE(button.onMouseButton(Vector2(x, 0.375f), pressed, which, signals));
    EXPECT_TRUE(button.onMouseButton(Vector2(0.25f, 0.375f), true, InputEvent::kLeftButton, signals));
    EXPECT_EQ(signals, SignalQueue{"go"});
}

// Texts draw at most 32 characters and a glow layer each, greyed while input is disabled, swollen under the
// pointer; a too-wide caption shrinks to fit between the rounded ends; captions and messages are translated,
// typed text is not; a property text reads "not registered" until set; an edit box shows the last characters
// that fit, centred. A pane without texture shows an outline; a rounded pane is sliced at its radius, clipped
// by its parent; a hidden window hides its children.
TEST_F(StandardWindowsTest, EveryWindowDrawsWhatItDrewWhenLastLookedAt) {
    load(R"(<window class="button" action="a" caption="0123456789012345678901234567890123456789"
               x="0" y="0" w="1" h="0.2" show="true" color="FF000080" glow="00FF00FF"/>
            <window class="button" action="b" caption="Go" x="0" y="-0.8" w="0.5" h="0.2" show="true"/>
            <window class="text" message="Hi" x="0" y="0" w="1" h="0.1" show="true"/>
            <window class="property_text" property="score" x="0" y="0" w="1" h="0.1" show="true"/>
            <window class="edit_box" property="name" initial="ab" x="0" y="0" w="1" h="0.1" show="true"/>
            <window class="edit_box" property="long" initial="0123456789012345678901234567890123456789"
               x="0.2" y="0" w="0.6" h="0.1" show="true"/>
            <window class="slider" property="volume" min="0" max="10" x="0" y="-0.5" w="1.1" h="0.1"
               color="FF0000FF" glow="00FF00FF" show="true"/>
            <window class="pane" texture="nothing" x="0.5" y="0" w="1" h="0.5" show="true">
              <window class="rounded_pane" radius="0.1" x="0.5" y="0" w="1" h="1" show="true"/>
            </window>
            <window class="null" x="0" y="0" w="1" h="1">
              <window class="pane" x="0" y="0" w="1" h="1" show="true"/>
            </window>)");
    const TestCatalogue german({{"Hi", "Hej"}, {"ab", "zz"}});
    gui.window(0)->disableInput();
    gui.setProperty("volume", "4");
    gui.onMouseMove(512, 690);
    gui.update(0.5f, nullptr, 0);
    draw();
    const std::string text = quadText(renderer.added);
    EXPECT_TRUE(matchesGolden(text, 0xb587ad99aab0a009ull));
    EXPECT_EQ(std::make_tuple(gui.getProperty("score"), renderer.flushes, renderer.clips.size()),
              std::make_tuple(std::string("not registered"), 1, size_t(0)));
    // The editor's saved documents read and write colours; what is no number is no colour.
    Color color(0.5f, 0.5f, 0.5f, 0.5f);
    EXPECT_FALSE(parseColor("green", color));
    EXPECT_EQ(color, Color(0.5f, 0.5f, 0.5f, 0.5f));
}

TEST_F(StandardWindowsTest, EditBoxTypesPrintableAsciiIntoItsPropertyAndTakesEveryPress) {
    load(
        R"(<window class="edit_box" property="player_name" initial="ab€" x="0" y="0" w="1" h="1" show="true"/>)");
    EditBox& box = static_cast<EditBox&>(*gui.window(0));
    const std::tuple<InputEvent, bool, const char*> steps[] = {
        {keyEvent(SDLK_BACKSPACE, 8, true), true, "ab"},  // the whole euro sign
        {keyEvent(SDLK_BACKSPACE, 0, false), false, "ab"},
        {keyEvent(SDLK_BACKSPACE, 8, true), true, "a"},
        {keyEvent(SDLK_HOME, 0, true), true, "a"},
        {keyEvent('~', '~', true), true, "a~"},
        {keyEvent(SDLK_WORLD_73, 233, true), true, "a~"},
        {keyEvent(SDLK_UNKNOWN, 0x263A, true), true, "a~"},
        {keyEvent(' ', ' ', true), true, "a~ "}};
    for (const auto& [event, consumed, text] : steps) {
        EXPECT_EQ(gui.onKey(event), consumed) << text;
        EXPECT_EQ(gui.getProperty("PLAYER_NAME"), text);
    }
    // A property changed elsewhere shows after the next key press.
    gui.setProperty("player_name", "zz");
    EXPECT_EQ(box.text(), "a~ ");
    gui.onKey(keyEvent('!', '!', true));
    EXPECT_EQ(box.text(), "zz!");
}

TEST(SliderTest, TheElementNeedsAPropertyAndARangeAndDefaultsTheRest) {
    // Attributes, the error line ("" when it loads), and the value a press at 70 % of the
    // travel gives: steps count from the minimum.
    const std::tuple<const char*, const char*, float> cases[] = {
        {R"(property="v")", nullptr, 70.0f},
        {R"(property="v" min="-1" max="5" step="2")", nullptr, 3.0f},
        {R"(property="v" max="0.5" step="0")", nullptr, 0.35f},
        {R"(min="0" max="1")", "Missing property attribute", 0.0f},
        {R"(property="v" min="5" max="5")", "Slider range is empty", 0.0f}};
    for (const auto& [attributes, error, pressedValue] : cases) {
        GuiEnvironment env;
        Gui gui(1024, 768);
        LogCapture log;
        ASSERT_TRUE(env.load(gui, std::string(R"(<window class="slider" x="0" y="0" w="1.1" h="0.1" )") +
                                      attributes + " show=\"true\"/>"));
        ASSERT_EQ(gui.windowCount(), error ? 0 : 1) << attributes;
        if (error) {
            EXPECT_TRUE(log.saw({error})) << log.all();
            continue;
        }
        Window& slider = *gui.window(0);
        EXPECT_TRUE(slider.focusable());
        SignalQueue signals;
        slider.onMouseButton(Vector2(0.2f, 0.0f), true, InputEvent::kLeftButton, signals);
        slider.update(0.0f, signals, gui, Vector2(0.2f, 0.0f));
        EXPECT_FLOAT_EQ(static_cast<Slider&>(slider).value(), pressedValue) << attributes;
    }
}

// Travel from -0.5 to 0.5, so a pointer's x + 0.5 is the value's share of the range.
TEST_F(StandardWindowsTest, TheSliderKnobFollowsADragAndStepsOnTheArrowKeysThroughItsProperty) {
    load(R"(<window class="slider" property="volume" min="0" max="100" step="5" x="0" y="0.5" w="1.1" h="0.1"
                    show="true"/>)");
    Slider& slider = static_cast<Slider&>(*gui.window(0));
    SignalQueue signals;
    auto frame = [&](float x) { slider.update(0.0f, signals, gui, Vector2(x, 0.5f)); };
    EXPECT_FALSE(slider.onMouseButton(Vector2(0.0f, 0.56f), true, InputEvent::kLeftButton, signals));
    EXPECT_FALSE(slider.onMouseButton(Vector2(0.0f, 0.5f), true, InputEvent::kRightButton, signals));
    frame(0.0f);
    EXPECT_EQ(gui.getProperty("volume"), "not registered") << "nothing moved it yet";

    // A click quicker than a frame still moves the knob where it landed, snapped to a step.
    EXPECT_TRUE(slider.onMouseButton(Vector2(-0.17f, 0.5f), true, InputEvent::kLeftButton, signals));
    EXPECT_TRUE(slider.onMouseButton(Vector2(-0.17f, 0.5f), false, InputEvent::kLeftButton, signals));
    frame(0.4f);
    EXPECT_EQ(gui.getProperty("volume"), "35");
    // Held, it follows the pointer, past the end only to the end; let go, it stays.
    slider.onMouseButton(Vector2(-0.17f, 0.5f), true, InputEvent::kLeftButton, signals);
    const std::pair<float, const char*> drags[] = {{0.12f, "60"}, {0.9f, "100"}};
    for (const auto& [x, value] : drags) {
        frame(x);
        EXPECT_EQ(gui.getProperty("volume"), value) << x;
    }
    EXPECT_TRUE(slider.onMouseButton(Vector2(0.9f, 0.5f), false, InputEvent::kLeftButton, signals));
    frame(-0.5f);
    EXPECT_EQ(gui.getProperty("volume"), "100");

    // The arrows step it within the range; it takes their releases, and no other key.
    const std::tuple<InputEvent, bool, const char*> keys[] = {{keyEvent(SDLK_RIGHT, 0, true), true, "100"},
                                                              {keyEvent(SDLK_LEFT, 0, true), true, "95"},
                                                              {keyEvent(SDLK_LEFT, 0, false), true, "95"},
                                                              {keyEvent(SDLK_a, 97, true), false, "95"},
                                                              {keyEvent(SDLK_LEFT, 0, true), true, "90"}};
    for (const auto& [event, consumed, value] : keys) {
        EXPECT_EQ(gui.onKey(event), consumed) << value;
        EXPECT_EQ(gui.getProperty("volume"), value);
    }
    // A value set elsewhere is where the next step starts; beyond the range it is clamped.
    const std::pair<const char*, const char*> set[] = {{"42", "45"}, {"250", "100"}, {"loud", "100"}};
    for (const auto& [held, stepped] : set) {
        gui.setProperty("volume", held);
        frame(0.0f);
        gui.onKey(keyEvent(SDLK_RIGHT, 0, true));
        EXPECT_EQ(gui.getProperty("volume"), stepped) << held;
    }
}

// A press on a field starts typing; Enter, a press on the other field or a cleared "typing" ends it.
TEST_F(StandardWindowsTest, ATextFieldTakesKeysOnlyWhileTyping) {
    load(R"(<window class="text_field" property="title" length="3" x="0" y="0.5" w="1" h="0.1" show="true"/>
            <window class="text_field" property="teaches" x="0" y="-0.5" w="1" h="0.1" show="true"/>)");
    SignalQueue signals;
    auto frame = [&] { gui.update(0.0f, nullptr, 0); };
    auto press = [&](float y) {
        for (int32_t i = 0; i < gui.windowCount(); ++i)
            gui.window(i)->onMouseButton(Vector2(0.0f, y), true, InputEvent::kLeftButton, signals);
        frame();
    };
    EXPECT_FALSE(gui.onKey(keyEvent(SDLK_a, 'a', true))) << "not typing yet";
    press(0.5f);
    EXPECT_EQ(gui.getProperty(kPropertyTyping), "title");
    for (const char c : std::string("abcd")) EXPECT_TRUE(gui.onKey(keyEvent(c, c, true)));
    EXPECT_EQ(gui.getProperty("title"), "abc") << "no more than its length";
    // The caret shows for the first half of each second.
    gui.window(0)->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    const size_t withCaret = renderer.added.size();
    renderer.added.clear();
    gui.update(0.75f, nullptr, 0);
    gui.window(0)->draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    EXPECT_LT(renderer.added.size(), withCaret);
    press(-0.5f);
    EXPECT_EQ(gui.getProperty(kPropertyTyping), "teaches");
    EXPECT_FALSE(static_cast<TextField&>(*gui.window(0)).typing());
    EXPECT_TRUE(gui.onKey(keyEvent(SDLK_x, 'x', true)));
    EXPECT_TRUE(gui.onKey(keyEvent(SDLK_RETURN, 13, true)));
    EXPECT_EQ(std::make_pair(gui.getProperty("teaches"), gui.getProperty(kPropertyTyping)),
              std::make_pair(std::string("x"), std::string()));
    press(0.5f);
    gui.setProperty(kPropertyTyping, "");
    frame();
    EXPECT_FALSE(gui.onKey(keyEvent(SDLK_y, 'y', true)));
    EXPECT_EQ(gui.getProperty("title"), "abc");
}

// A pressed swatch is chosen by the next frame and alone ringed; Enter chooses the focused one.
TEST_F(StandardWindowsTest, ASwatchPutsItsValueIntoItsProperty) {
    load(
        R"(<window class="swatch" property="brush" value="red" caption="R" x="0" y="0" w="0.2" h="0.2" show="true"/>
            <window class="swatch" property="brush" value="goal" x="0.5" y="0" w="0.2" h="0.2" show="true"/>)");
    SignalQueue signals;
    Swatch& red = static_cast<Swatch&>(*gui.window(0));
    Swatch& goal = static_cast<Swatch&>(*gui.window(1));
    EXPECT_FALSE(goal.onMouseButton(Vector2(0.0f, 0.0f), true, InputEvent::kLeftButton, signals));
    EXPECT_TRUE(goal.onMouseButton(Vector2(0.5f, 0.0f), true, InputEvent::kLeftButton, signals));
    gui.update(0.0f, nullptr, 0);
    EXPECT_EQ(gui.getProperty("brush"), "goal");
    gui.update(0.0f, nullptr, 0);
    EXPECT_EQ(std::make_pair(red.chosen(), goal.chosen()), std::make_pair(false, true));
    EXPECT_FALSE(gui.onKey(keyEvent(SDLK_RETURN, 13, true))) << "no swatch has the focus";
    gui.onKey(keyEvent(SDLK_TAB, 9, true));
    EXPECT_TRUE(gui.onKey(keyEvent(SDLK_RETURN, 13, true)));
    EXPECT_EQ(gui.getProperty("brush"), "red");
    // The colour sits inside the ring, and nothing is drawn outside the swatch.
    red.draw(Camera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    for (const RecordingRenderer::Added& added : renderer.added) {
        for (const ScreenVertex& corner : added.quad.corners)
            EXPECT_LE(std::max(std::fabs(corner.x), std::fabs(corner.y)), 0.1f + 1e-5f);
    }
}

// What does not fit ends in "..."; a word wider than the window is cut.
TEST_F(StandardWindowsTest, PropertyLinesBreakBetweenWordsAndMarkWhatDoesNotFit) {
    load(R"(<window class="property_lines" property="why" lines="2" line="0.1" x="0" y="0" w="0.8" h="0.2"
                    show="true"/>
            <window class="property_lines" property="why" lines="9" line="0.1" x="0" y="0" w="0.2" h="0.9"
                    show="true"/>)");
    const PropertyLines& lines = static_cast<PropertyLines&>(*gui.window(0));
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"short", {"short"}},
        {"a level needs a goal and a start", {"a level needs a", "goal and a start"}},
        {"levels/an-extraordinarily-long-name.level", {"levels/an-ext..."}},
        {"a level needs a goal and a start and a ring of black", {"a level needs a", "goal and a st..."}}};
    for (const auto& [text, expected] : cases) {
        gui.setProperty("why", text);
        gui.update(0.0f, nullptr, 0);
        std::vector<std::string> laid;
        for (int32_t i = 0; i < lines.lineCount(); ++i) laid.push_back(lines.line(i));
        EXPECT_EQ(expected, laid) << text;
    }
    EXPECT_EQ(static_cast<PropertyLines&>(*gui.window(1)).lineCount(), 6) << "at most six, whatever is asked";
}

}  // namespace
