// The GUI document, properties, signals, actions and input in a frame, the menus' focus,
// and SDL's events made into the game's input records.
#include <SDL/SDL.h>
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "gui/Gui.h"
#include "gui/GuiNames.h"
#include "gui/InputEvent.h"
#include "gui/KeyNames.h"
#include "gui/actions/Action.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/Window.h"
#include "render/Camera.h"
#include "support/Golden.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/SdlEvents.h"

namespace nimbus {
namespace {

// An action that notes its label and the frame it ran in, and finishes at once.
std::vector<std::string> gRuns;
int gFrame = 0;

class RecordAction : public Action {
public:
    explicit RecordAction(std::string label) : label_(std::move(label)) {}
    TiXmlElement& toXml(TiXmlElement& element) const override { return element; }
    int execute(float, Gui&) override {
        gRuns.push_back(std::to_string(gFrame) + ":" + label_);
        return kFinished;
    }

private:
    std::string label_;
};

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

class GuiTest : public ::testing::Test {
protected:
    GuiTest() : gui(1024, 768) {
        env.actions->registerClass("record", [](const TiXmlElement* e, Gui&) -> Action* {
            return new RecordAction(e->Attribute("label"));
        });
        gRuns.clear();
        gFrame = 0;
    }
    bool load(const std::string& sections) { return gui.load(env.write(sections).c_str()); }
    void loadMenu() {
        ASSERT_TRUE(load(kMenu));
        gui.findWindow("locked")->disableInput();
    }
    void runFrames(int frames) {
        for (int i = 0; i < frames; ++i, ++gFrame) gui.update(0.1f, nullptr, 0);
    }
    std::string focusName() const { return gui.focus() ? gui.focus()->name() : "none"; }

    GuiEnvironment env;
    Gui gui;
};

InputEvent press(int32_t key, int32_t unicode = 0, int32_t modifiers = 0) {
    return keyEvent(key, unicode, true, modifiers);
}

const char kWindow[] = R"(<window class="null" name="page" x="0" y="0" w="1" h="1" show="TRUE"/>)";

TEST_F(GuiTest, BadElementsAreReportedAndLeftOutWhileTheRestLoads) {
    LogCapture log;
    ASSERT_TRUE(load(std::string(R"(<fonts><font texture="Textures/none" info="x.xml"/></fonts>
        <transitions><transition condition="early"><action class="show" target="page"/></transition></transitions>
        <Windows>)") +
                     kWindow + R"(
          <window class="null" name="noY" x="0" w="1" h="1"/>
          <window class="text" x="0" y="0" w="1" h="1"/>
          <window class="text" message="hi" x="0" y="0" w="1" h="1"><window class="nosuch" x="0" y="0" w="1" h="1"/></window>
          <window class="button" name="ok" x="0" y="0" w="1" h="1" action="go" show="yes"/>
          <window class="null" x="0" y="0" w="abc" h="1"/>
        </Windows>
        <TRANSITIONS>
          <transition><action class="show" target="page"/></transition>
          <transition condition="go"><action class="show"/><action class="show" target="missing"/>
            <action class="setprop" target="page" value="v"/><action class="setprop" target="page" property="p"/>
            <action class="hide" target="PAGE"/><action target="page"/></transition>
        </TRANSITIONS>)"));
    EXPECT_TRUE(matchesGolden(log.all(), 0x77c0e3abb0095b26ull));
    // The page, the text without its bad child, the button; "show" is true in any case, only.
    ASSERT_EQ(gui.windowCount(), 3);
    EXPECT_EQ(std::make_tuple(gui.window(1)->childCount(), gui.window(2)->name(), gui.window(0)->visible(),
                              gui.window(2)->visible()),
              std::make_tuple(0, std::string("ok"), true, false));
    // The transition listed before the windows exists, empty; "go" kept its one good action.
    ASSERT_EQ(gui.transitions().size(), 2u);
    EXPECT_TRUE(gui.transitions().at("early").empty());
    EXPECT_EQ(gui.transitions().at("GO").size(), 1u);
}

// (Cut UTF-8 and deep nesting are refused by the reader FontLoaderTest tries.)
TEST_F(GuiTest, UnreadableDocumentsAreRefusedAndOddOnesLoadEmpty) {
    EXPECT_FALSE(gui.load(env.folder.file("none.xml").c_str()));
    EXPECT_FALSE(load("<windows>"));
    EXPECT_TRUE(gui.load(env.folder.write("empty.xml", "<?xml version=\"1.0\"?><!-- nothing -->").c_str()));
    EXPECT_TRUE(load("<other/>"));
    EXPECT_EQ(gui.windowCount(), 0);
    // Quoted '>' and comments do not confuse the depth count.
    EXPECT_TRUE(load(
        R"(<!-- <a><b><c> --><windows><window class="null" name="q>" x="0" y="0" w="1" h="1"/></windows>)"));
    EXPECT_NE(gui.findWindow("q>"), nullptr);
}

// Windows, conditions, properties and classes; the first registration of a class stays.
TEST_F(GuiTest, NamesIgnoreLetterCase) {
    ASSERT_TRUE(load(std::string("<windows>") + kWindow + R"(</windows><transitions>
        <transition condition="show_game"><action class="SetProp" target="page" property="exitToState" value="x"/></transition>
        <transition condition="Show_Game"><action class="setprop" target="page" property="exitToState" value="playing"/></transition>
        </transitions>)"));
    EXPECT_EQ(gui.findWindow("PAGE"), gui.window(0));
    EXPECT_EQ(gui.getProperty("never"), kNotRegistered);
    gui.pushSignal("SHOW_GAME");
    runFrames(2);
    // The later transition of the same condition replaced the earlier.
    EXPECT_EQ(gui.getProperty("ExitToState"), kStatePlaying);
    gui.setProperty("EXITTOSTATE", "frontend");
    ASSERT_EQ(gui.transitions().size(), 1u);
    EXPECT_EQ(gui.transitions().begin()->first, "Show_Game");
    EXPECT_EQ(gui.getProperty(kPropertyExitToState), kStateFrontend);

    LogCapture log;
    EXPECT_FALSE(env.windows->registerClass("BUTTON", nullptr));
    EXPECT_FALSE(registerStandardActions(*env.actions));  // a table with one name refused fails
    EXPECT_TRUE(log.saw({"Class name already registered"}));
    ASSERT_TRUE(load(R"(<windows><window class="Button" action="a" x="0" y="0" w="1" h="1"/></windows>)"));
    EXPECT_EQ(gui.windowCount(), 2);
}

TEST_F(GuiTest, QueuedSignalsRunTheirActionsInOrderOneFrameEach) {
    ASSERT_TRUE(load(R"(<transitions>
        <transition condition="a"><action class="record" label="a1"/><action class="record" label="a2"/></transition>
        <transition condition="b"><action class="record" label="b1"/><action class="record" label="b2"/></transition>
        <transition condition="c"><action class="record" label="c1"/><action class="record" label="c2"/>
          <action class="record" label="c3"/></transition></transitions>)"));
    for (const char* signal : {"a", "nothing", "b"}) gui.pushSignal(signal);
    runFrames(6);
    gui.pushSignal("c");
    runFrames(1);
    // Input waits while actions run, and is read again in the frame the last one ends.
    for (bool inputRead : {false, false, true}) {
        InputEvent escape = keyEvent(SDLK_ESCAPE, 27, true);
        EXPECT_EQ(gui.update(0.1f, &escape, 1), !inputRead);
        ++gFrame;
    }
    EXPECT_EQ(gRuns, (std::vector<std::string>{"1:a1", "2:a2", "3:b1", "4:b2", "7:c1", "8:c2", "9:c3"}));
}

TEST_F(GuiTest, EscapeEndsTheFrameBeforeTheSignalsAreHandled) {
    ASSERT_TRUE(load(
        R"(<windows><window class="edit_box" property="name" initial="ab" x="0" y="0" w="2" h="2" show="true"/>
        <window class="button" action="pressed" x="0" y="0" w="2" h="2" show="true"/></windows>
        <transitions><transition condition="pressed"><action class="record" label="p"/></transition></transitions>)"));
    InputEvent events[] = {keyEvent('x', 'x', true), keyEvent(SDLK_ESCAPE, 27, false),
                           keyEvent('y', 'y', true)};
    gui.pushSignal("pressed");
    EXPECT_FALSE(gui.update(0.1f, events, 3));
    // The key before Escape was typed, the one after was left, and the signal not handled.
    EXPECT_EQ(std::make_tuple(gui.getProperty("name"), events[0].type, events[2].type, gui.signals().size()),
              std::make_tuple(std::string("abx"), InputEvent::None, InputEvent::Key, size_t(1)));
}

// The panel's distance from its place, in offsets of width + absolute x + 1.25 = 0.5 + 0.75 + 1.25, each
// quarter second: showing, then hiding. Once at rest an action finishes without a move.
TEST_F(GuiTest, ShowAndHideSlideFromTheLeftInOneSecond) {
    ASSERT_TRUE(load(R"(<windows><window class="null" name="frame" x="0.5" y="0" w="1" h="1" show="true">
        <window class="null" name="panel" x="0.25" y="0.5" w="0.5" h="0.2"/></window></windows>
        <transitions><transition condition="in"><action class="show" target="panel"/></transition>
        <transition condition="out"><action class="hide" target="panel"/></transition></transitions>)"));
    Window& panel = *gui.findWindow("panel");
    const float away[] = {0.75f, 0.5f, 0.25f, 0.0f, 0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 0.0f, 0.0f};
    for (int i = 0; i < 11; ++i) {
        Action* action = gui.transitions().at(i < 5 ? "in" : "out")[0];
        EXPECT_EQ(action->execute(0.25f, gui), i == 4 || i > 8 ? Action::kFinished : Action::kRunning) << i;
        EXPECT_EQ(panel.visible(), i < 9) << i;
        EXPECT_EQ(panel.position(), Vector2(0.25f - 2.5f * away[i], 0.5f)) << i;
    }
}

TEST_F(GuiTest, ScreenToGuiMapsEdgePixelsToEdgesAndSnaps) {
    const std::tuple<int, int, float, Vector2> cases[] = {{0, 0, 0.0f, {-4.0f / 3, 1.0f}},
                                                          {1023, 767, 0.0f, {4.0f / 3, -1.0f}},
                                                          {600, 300, 0.0f, {0.23069f, 0.21773f}},
                                                          {600, 300, 0.025f, {0.225f, 0.225f}}};
    for (const auto& [px, py, grid, p] : cases) {
        const Vector2 d = gui.screenToGui(px, py, grid) - p;
        EXPECT_LT(std::hypot(d.x, d.y), 1e-4) << px;
    }
}

// With the focus keys off, the arrows and Space reach the game, as they do where no window takes focus.
TEST_F(GuiTest, TabAndTheArrowsStepInDocumentOrderSkippingWhatTakesNoInputAndWrap) {
    loadMenu();
    // From no focus, backwards starts at the end; a release steps nothing.
    const std::pair<InputEvent, const char*> steps[] = {{press(SDLK_TAB, 9, KMOD_LSHIFT), "quit"},
                                                        {press(SDLK_TAB, 9), "field"},
                                                        {keyEvent(SDLK_TAB, 0, false), "field"},
                                                        {press(SDLK_DOWN), "play"},
                                                        {press(SDLK_RIGHT), "quit"},
                                                        {press(SDLK_UP), "play"},
                                                        {press(SDLK_LEFT), "field"},
                                                        {press(SDLK_TAB, 9, KMOD_RSHIFT), "quit"}};
    for (const auto& [event, focused] : steps) {
        EXPECT_EQ(gui.onKey(event), event.pressed) << focused;
        EXPECT_EQ(focusName(), focused);
    }
    // Hidden, the focused window is unlit; shown again, lit only if the focus stayed on it.
    gui.findWindow("quit")->hide();
    EXPECT_EQ(focusName(), "none");
    gui.findWindow("quit")->show();
    EXPECT_EQ(focusName(), "quit");
    gui.findWindow("quit")->hide();
    gui.findWindow("field")->hide();
    gui.onKey(press(SDLK_TAB, 9, KMOD_LSHIFT));
    ASSERT_EQ(focusName(), "play");

    gui.setFocusKeys(false);
    EXPECT_EQ(focusName(), "none");
    for (const InputEvent& key : {press(SDLK_DOWN), press(SDLK_TAB, 9), press(SDLK_SPACE, ' ')})
        EXPECT_FALSE(gui.onKey(key)) << key.key;
    EXPECT_TRUE(gui.signals().empty());
    gui.setFocusKeys(true);
    EXPECT_EQ(focusName(), "play");
    gui.findWindow("menu")->hide();
    EXPECT_FALSE(gui.onKey(press(SDLK_DOWN)));
}

// A frame fits if no more than the glow's rim bigger; one as tall but wider leaves it on the button.
TEST_F(GuiTest, TheFocusGlowsAroundAFrameThatFitsTheLitButtonClosely) {
    const std::pair<const char*, float> frames[] = {{R"(w="1.06" h="0.26")", 0.56f},
                                                    {R"(w="1.4" h="0.2")", 0.53f}};
    for (const auto& [frame, glowRight] : frames) {
        Gui lit(1024, 768);
        ASSERT_TRUE(
            env.load(lit, std::string(R"(<window class="null" x="0" y="0" )") + frame + R"( show="true">
            <window class="button" action="a" x="0" y="0" w="1" h="0.2" show="true"/></window>)"));
        ASSERT_TRUE(lit.onKey(press(SDLK_TAB, 9)));
        RecordingRenderer renderer;
        lit.draw(Camera(), renderer);
        const float right = renderer.rightmost([](const RecordingRenderer::Added& added) {
            return added.quad.corners[2].r == 0.35f && added.quad.corners[2].g == 0.8f;
        });
        EXPECT_NEAR(right, glowRight, 1e-4f) << frame;
    }
}

TEST_F(GuiTest, EnterAndSpacePressOnlyTheFocusedButtonAndLettersStillGoToTheField) {
    loadMenu();
    // Tab presses first, the key, the newest signal queued ("" for none), the field's
    // text. Without focus the field types as ever; a focused field types the space.
    const std::tuple<int, InputEvent, const char*, const char*> steps[] = {
        {0, press(SDLK_SPACE, ' '), "", " "},     {0, press(SDLK_RETURN, 13), "", " "},
        {2, press(SDLK_RETURN, 13), "play", " "}, {0, press(SDLK_KP_ENTER, 13), "play", " "},
        {1, press(SDLK_SPACE, ' '), "quit", " "}, {0, press(SDLK_x, 'x'), "", " x"},
        {1, press(SDLK_SPACE, ' '), "", " x "}};
    for (const auto& [tabs, key, signal, name] : steps) {
        for (int i = 0; i < tabs; ++i) gui.onKey(press(SDLK_TAB, 9));
        const size_t before = gui.signals().size();
        EXPECT_TRUE(gui.onKey(key));
        EXPECT_EQ(gui.signals().size() > before ? gui.signals().back() : "", signal) << focusName();
        EXPECT_EQ(gui.getProperty("name"), name);
    }
}

class PollInputEvents : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_Event drain;
        while (SDL_PollEvent(&drain)) continue;
    }
    // The suites after this one open real windows.
    void TearDown() override {
        SDL_Quit();
        unsetenv("SDL_VIDEODRIVER");
    }
    InputEvent records[kMaxInputEvents];
};

// The wheel counts as the left button. Fields a kind does not use keep what was there.
TEST_F(PollInputEvents, KeysButtonsAndQuitKeepWhatTheGameReadsSixteenAFrame) {
    pushKey(SDL_KEYDOWN, SDLK_a, 'A', KMOD_LSHIFT);
    pushKey(SDL_KEYUP, SDLK_a, 0, KMOD_NONE);
    for (Uint8 button : {SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_WHEELDOWN})
        pushButton(SDL_MOUSEBUTTONDOWN, button, 10, 20);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 30, 40);
    SDL_Event other{};
    other.type = SDL_VIDEOEXPOSE;  // a kind the game does not use takes no record
    pushSdlEvent(other);
    other.type = SDL_QUIT;
    pushSdlEvent(other);
    for (int i = 0; i < 13; ++i) pushMotion(static_cast<Uint16>(i), 7);
    for (InputEvent& record : records) record.key = 99;
    ASSERT_EQ(pollInputEvents(records), 16);
    // Each record's type, key, character, modifiers, pressed, button and place.
    std::string text;
    for (const InputEvent& r : records)
        text += std::to_string(r.type) + " " + std::to_string(r.key) + " " + std::to_string(r.unicode) + " " +
                std::to_string(r.modifiers) + " " + std::to_string(r.pressed) + " " +
                std::to_string(r.button) + " " + std::to_string(r.x) + "," + std::to_string(r.y) + "\n";
    EXPECT_TRUE(matchesGolden(text, 0x49672594d9e64e39ull));
    ASSERT_EQ(pollInputEvents(records), 4);
    EXPECT_EQ(records[3].x, 12);
    EXPECT_EQ(pollInputEvents(records), 0);
}

// Carrying no character: the d-pad and A as menu keys, and the input table's action. Held,
// released, diagonal or unlisted gives nothing. The stick ends centred: the pad remembers it.
TEST_F(PollInputEvents, GamepadPushesBecomeOnePressOfTheirKeyAndActionEach) {
    // What each push gave, each ended by "|": nothing, else its key's name and its action's,
    // "-" for none of either; "wrong" for a wrong record.
    std::string presses;
    auto push = [&](Uint8 type, Uint8 index, int value) {
        SDL_Event event{};
        event.type = type;
        event.jbutton.button = index;  // where a hat and an axis keep their index too
        if (type == SDL_JOYHATMOTION) event.jhat.value = static_cast<Uint8>(value);
        if (type == SDL_JOYAXISMOTION) event.jaxis.value = static_cast<Sint16>(value);
        pushSdlEvent(event);
        records[0] = InputEvent();
        const int count = pollInputEvents(records);
        const InputEvent& r = records[0];
        const bool press = count == 1 && r.type == InputEvent::Key && r.pressed && r.unicode == 0;
        const std::string key = keyName(r.key) ? keyName(r.key) : "-";
        const std::string action = r.action == kNoInputAction ? "-" : kInputActions[r.action].name;
        presses += (count == 0 ? "" : press ? key + " " + action : "wrong") + "|";
    };
    for (int hat : {SDL_HAT_UP, SDL_HAT_RIGHTUP, SDL_HAT_RIGHT, SDL_HAT_CENTERED})
        push(SDL_JOYHATMOTION, 0, hat);
    push(SDL_JOYHATMOTION, 1, SDL_HAT_DOWN);
    for (int x : {-20000, -30000, -8192, -20000, -4000, 20000, 0}) push(SDL_JOYAXISMOTION, 0, x);
    for (int y : {-17000, 0, 17000, 0}) push(SDL_JOYAXISMOTION, 1, y);
    push(SDL_JOYAXISMOTION, 2, 30000);
    push(SDL_JOYBUTTONDOWN, 0, 0);
    push(SDL_JOYBUTTONUP, 0, 0);
    for (Uint8 button : {1, 3, 4, 5, 6, 7, 2}) push(SDL_JOYBUTTONDOWN, button, 0);
    EXPECT_EQ(
        presses,
        "Up roll_up||Right roll_right|||Left roll_left|||||Right roll_right||Up roll_up||Down roll_down|||"
        "Enter -||- back|- hint|- twist_anticlockwise|- twist_clockwise|- restart|- pause||");
}

}  // namespace
}  // namespace nimbus
