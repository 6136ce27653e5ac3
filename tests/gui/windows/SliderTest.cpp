// The slider: what its element may say, and how the mouse and the arrow keys move it.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <string>

#include "gui/Gui.h"
#include "gui/windows/Slider.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"

using namespace nimbus;

namespace {

TEST(SliderTest, TheElementNeedsAPropertyAndARangeAndDefaultsTheRest) {
    // The attributes after the common ones, the error line (none when it loads), and the
    // value a press at 70 % of the travel gives: steps count from the minimum.
    const std::tuple<const char*, const char*, float> cases[] = {
        {R"(property="v")", nullptr, 70.0f},
        {R"(property="v" min="-1" max="5" step="2")", nullptr, 3.0f},
        {R"(property="v" max="0.5" step="0")", nullptr, 0.35f},
        {R"(min="0" max="1")", "Missing property attribute", 0.0f},
        {R"(property="v" min="5" max="5")", "Slider range is empty", 0.0f},
    };
    for (const auto& [attributes, error, pressedValue] : cases) {
        GuiEnvironment env;
        Gui gui(1024, 768);
        LogCapture log;
        ASSERT_TRUE(gui.load(
            env.write(std::string(R"(<windows><window class="slider" x="0" y="0" w="1.1" h="0.1" )") +
                      attributes + " show=\"true\"/></windows>")
                .c_str()));
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
TEST(SliderTest, TheKnobFollowsADragAndStepsOnTheArrowKeysThroughItsProperty) {
    GuiEnvironment env;
    Gui gui(1024, 768);
    ASSERT_TRUE(
        gui.load(env.write(R"(<windows><window class="slider" property="volume" min="0" max="100" step="5"
                                        x="0" y="0.5" w="1.1" h="0.1" show="true"/></windows>)")
                     .c_str()));
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
    const std::tuple<InputEvent, bool, const char*> keys[] = {
        {keyEvent(SDLK_RIGHT, 0, true), true, "100"}, {keyEvent(SDLK_LEFT, 0, true), true, "95"},
        {keyEvent(SDLK_LEFT, 0, false), true, "95"},  {keyEvent(SDLK_a, 97, true), false, "95"},
        {keyEvent(SDLK_LEFT, 0, true), true, "90"},
    };
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

}  // namespace
