// The layout editor, the test choosing the handle under the pointer instead of GL selection;
// then the GUI drawn in the game's window with its own font, circle and effect, read back.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "WindowPixel.h"
#include "core/math/Color.h"
#include "game/DataLayout.h"
#include "gui/EditableGui.h"
#include "gui/EditorOverlay.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/Button.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/Window.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "support/FileSizeLimit.h"
#include "support/Golden.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"
#include "support/OwnProcessWide.h"
#include "support/ScreenTest.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

class ScriptedEditor : public EditableGui {
public:
    ScriptedEditor() : EditableGui(1024, 768) {}
    int32_t handleUnderPointer = kNoHandle;

protected:
    int32_t pickHandle(const Vector2&) override { return handleUnderPointer; }
};

// Every window and action class, transitions out of order.
const char kEveryClass[] = R"(<windows>
  <window class="null" name="menu" x="0" y="0" w="2" h="2" show="true">
    <window class="button" name="play" caption="Play" action="go" x="0" y="0.5" w="0.5" h="0.2" show="true" color="ff000080"/>
    <window class="text" message="Title" x="0" y="0.8" w="1" h="0.1" show="true" glow="0x11223344"/>
    <window class="property_text" property="score" x="-0.5" y="-0.8" w="1" h="0.1" show="true"/>
    <window class="edit_box" property="player_name" initial="anon" x="0" y="-0.5" w="1" h="0.1" show="false"/>
    <window class="pane" texture="Textures/panel" x="0.25" y="0.125" w="0.25" h="0.25" show="true"/>
    <window class="rounded_pane" radius="0.05" x="0" y="0" w="0.5" h="0.5" color="80808080" show="true"/>
    <window class="slider" property="music_volume" min="-1" max="1" step="0.25" x="0" y="-0.3" w="0.8" h="0.1" glow="0x10203040" show="true"/>
  </window>
</windows>
<transitions>
  <transition condition="zeta"><action class="disableinput" target="play"/><action class="enableinput" target="play"/></transition>
  <transition condition="Alpha"><action class="show" target="menu"/><action class="hide" target="MENU"/></transition>
  <transition condition="beta"><action class="setprop" target="menu" property="exitToState" value="playing"/></transition>
</transitions>)";

class EditableGuiTest : public ::testing::Test {
protected:
    void load(const std::string& sections) { ASSERT_TRUE(editor.load(env.write(sections).c_str())); }
    static bool frame(EditableGui& gui, std::initializer_list<InputEvent> list) {
        std::vector<InputEvent> events(list);
        return gui.update(0.0f, events.data(), static_cast<int>(events.size()));
    }
    static InputEvent f1(bool pressed) { return keyEvent(SDLK_F1, 0, pressed); }
    static InputEvent ctrlS(bool pressed) { return keyEvent(SDLK_s, pressed ? 19 : 0, pressed, KMOD_LCTRL); }

    GuiEnvironment env;
    ScriptedEditor editor;
};

TEST_F(EditableGuiTest, F1PressesToggleEditModeAndOutsideItTheGuiIsPlain) {
    load(
        R"(<windows><window class="button" action="go" x="0" y="0" w="0.5" h="0.5" show="true"/></windows>)");
    frame(editor, {f1(true), f1(false)});
    EXPECT_TRUE(editor.editMode());
    frame(editor, {f1(true), f1(true)});
    EXPECT_TRUE(editor.editMode());
    frame(editor, {f1(true)});
    EXPECT_FALSE(editor.editMode());
    frame(editor, {moveEvent(512, 384), buttonEvent(InputEvent::MouseDown, 512, 384)});
    EXPECT_EQ(editor.selected(), nullptr);
    EXPECT_EQ(editor.signals().size(), 0u);  // the press fired the button, whose signal was handled
    EXPECT_FALSE(frame(editor, {f1(true), keyEvent(SDLK_ESCAPE, 27, true)}));
    EXPECT_TRUE(editor.editMode());
}

TEST_F(EditableGuiTest, APressSelectsTheDeepestWindowWithoutFiringItAndEmptySpaceKeepsTheSelection) {
    load(R"(<windows><window class="null" x="0" y="0" w="1" h="1" show="true">
        <window class="button" name="b" action="go" x="0.25" y="0" w="0.25" h="0.25" show="true"/></window>
        <window class="text" message="m" x="0" y="0" w="0.1" h="0.1"/></windows>)");
    frame(editor, {f1(true)});
    EXPECT_TRUE(editor.onMouseButton(windowPixelX(0.25f), 384, true, InputEvent::kRightButton));
    EXPECT_EQ(editor.selected(), editor.findWindow("b"));
    EXPECT_TRUE(editor.signals().empty());
    EXPECT_FALSE(editor.onMouseButton(5, 5, true, 0));
    EXPECT_EQ(editor.selected(), editor.findWindow("b"));
    // The hidden text at the centre is passed over for its visible parent.
    EXPECT_TRUE(editor.onMouseButton(512, 384, true, 0));
    EXPECT_EQ(editor.selected(), editor.window(0));
}

TEST_F(EditableGuiTest, EachHandleMovesOrResizesTheSelectedWindowByTheSnappedPointer) {
    load(R"(<windows><window class="null" x="0.1" y="0.1" w="1" h="1" show="true">
        <window class="null" name="w" x="0" y="0" w="0.4" h="0.2" show="true"/></window></windows>)");
    frame(editor, {f1(true)});
    // Pressed at (0.2, 0.1) and dragged 0.05 right, 0.025 up.
    const std::tuple<int32_t, Vector2, Vector2> cases[] = {
        {kCentreHandle, Vector2(0.15f, 0.025f), Vector2(0.4f, 0.2f)},
        {kLeftBottomHandle, Vector2(0.025f, 0.0125f), Vector2(0.35f, 0.175f)},
        {kRightBottomHandle, Vector2(0.025f, 0.0125f), Vector2(0.45f, 0.175f)},
        {kRightTopHandle, Vector2(0.025f, 0.0125f), Vector2(0.45f, 0.225f)},
        {kLeftTopHandle, Vector2(0.025f, 0.0125f), Vector2(0.35f, 0.225f)}};
    Window& w = *editor.findWindow("w");
    editor.onMouseButton(windowPixelX(0.1f), windowPixelY(0.1f), true, 0);
    ASSERT_EQ(editor.selected(), &w);
    for (const auto& [handle, position, size] : cases) {
        w.setPosition(Vector2(0, 0));
        w.setSize(Vector2(0.4f, 0.2f));
        editor.handleUnderPointer = handle;
        editor.onMouseButton(windowPixelX(0.2f), windowPixelY(0.1f), true, 0);
        EXPECT_EQ(editor.dragHandle(), handle);
        editor.onMouseMove(windowPixelX(0.25f), windowPixelY(0.125f));
        editor.onMouseButton(windowPixelX(0.25f), windowPixelY(0.125f), false, 0);
        EXPECT_EQ(editor.dragHandle(), kNoHandle);
        editor.onMouseMove(windowPixelX(0.5f), windowPixelY(0.5f));  // released: nothing follows
        const Vector2 dp = w.position() - position, ds = w.size() - size;
        EXPECT_LT(std::fabs(dp.x) + std::fabs(dp.y) + std::fabs(ds.x) + std::fabs(ds.y), 1e-5) << handle;
    }
}

TEST_F(EditableGuiTest, OnlyKeyPressesActInEditMode) {
    load(kEveryClass);
    frame(editor, {f1(true)});
    editor.onMouseButton(512, static_cast<int>(767 * 0.25), true, 0);  // the button at y = 0.5
    ASSERT_EQ(editor.selected(), editor.findWindow("play"));
    frame(editor, {keyEvent(SDLK_BACKSPACE, 8, true), keyEvent(SDLK_BACKSPACE, 0, false),
                   keyEvent('!', '!', true), keyEvent('!', 0, false)});
    EXPECT_EQ(static_cast<Button*>(editor.selected())->caption(), "Pla!");
    EXPECT_TRUE(editor.onKey(keyEvent('?', '?', true))) << "a key typed into a caption reaches nothing else";
    static_cast<Button*>(editor.selected())->editText(keyEvent(SDLK_BACKSPACE, 8, true));
    // A save, then the release of S with Ctrl still down and a plain S: one save only.
    frame(editor, {ctrlS(true)});
    const std::string saved = readFile(editor.fileName());
    EXPECT_NE(saved.find("Pla!"), std::string::npos);
    static_cast<Button*>(editor.selected())->editText(keyEvent('?', '?', true));
    frame(editor, {ctrlS(false), keyEvent(SDLK_s, 's', true)});
    EXPECT_EQ(readFile(editor.fileName()), saved);
}

// Transitions sorted by condition, numbers with six decimals, colours in hex; a failed save says so once.
TEST_F(EditableGuiTest, SavedDocumentsReadBackToTheSameBytesAndAFailedSaveKeepsThem) {
    load(kEveryClass);
    ASSERT_TRUE(editor.save());
    const std::string once = readFile(editor.fileName());
    EXPECT_TRUE(matchesGolden(once, 0x5ce38ebf0f7520bdull));
    ScriptedEditor again;
    ASSERT_TRUE(again.load(editor.fileName().c_str()));
    ASSERT_TRUE(again.save());
    EXPECT_EQ(readFile(again.fileName()), once);
    // A disk that fills after 100 bytes.
    LogCapture log;
    {
        FileSizeLimit full(100);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(editor.save());
    }
    EXPECT_EQ(readFile(editor.fileName()), once);
    // Nothing is left beside the document.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env.folder.path()), {}), 1);
    // Nor does a save where no file can be created at all claim to have worked.
    std::filesystem::remove_all(env.folder.path());
    EXPECT_FALSE(editor.save());
    ASSERT_EQ(log.lines().size(), 2u) << log.all();
    for (const std::string& line : log.lines())
        EXPECT_NE(line.find("Failed to save " + editor.fileName()), std::string::npos);
}

class GuiScreenTest : public ScreenTest {
protected:
    static void SetUpTestSuite() {
        ScreenTest::SetUpTestSuite();
        const std::string fonts = std::string(kFontsFolder) + "/";
        for (const std::string& file :
             {fonts + "Alba", fonts + "Alba_glow", std::string(kFrontendFolder) + "/circle"})
            loadDataTexture(file);
        registerTexture("Textures/green", solidTexture(0, 255, 0, 255));
    }
    void load(const std::string& windows) {
        const std::string font = R"(<font name="Alba" texture="Textures/Alba" info=")" NIMBUS_DATA_DIR "/" +
                                 std::string(kFontDescription) + "\"/>";
        const std::string document =
            "<gui><fonts>" + font + "</fonts><windows>" + windows + "</windows></gui>";
        ASSERT_TRUE(gui.load(folder_.write("gui.xml", document).c_str()));
    }
    void draw() {
        core_->clear(Color(0, 0, 0, 1));
        gui.draw(Camera(), *renderer_);
    }

    // The largest green byte within two pixels of the GUI point.
    static int greenNear(float x, float y) {
        int px = 0, py = 0, most = 0;
        guiToPixel(x, y, px, py);
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) most = std::max(most, green(pixel(px + dx, py + dy)));
        return most;
    }

    OwnProcessWide<WindowFactory> windows_;
    OwnProcessWide<ActionFactory> actions_;
    const bool registered_ = registerStandardWindows(*windows_) && registerStandardActions(*actions_);
    // Outside its edit mode the editor is the plain GUI.
    EditableGui gui{width_, height_};
    TempFolder folder_;
};

// (Clipping is StandardWindowsTest's, the scissor boxes the screen-space renderer's.)
TEST_F(GuiScreenTest, APaneShowsItsTextureAndARoundedPaneLeavesItsCornersEmpty) {
    load(R"(<window class="null" x="-0.5" y="0" w="0.4" h="0.4" show="true">
                   <window class="pane" texture="Textures/green" x="0.2" y="0" w="0.4" h="0.2" show="true"/>
                 </window>
                 <window class="rounded_pane" radius="0.2" x="0.5" y="0" w="1" h="0.8" color="FFFFFFFF" show="true"/>)");
    draw();
    const std::tuple<float, float, uint32_t> pixels[] = {
        {-0.4f, 0.0f, rgba(0, 255, 0, 255)},      {-0.35f, 0.05f, rgba(0, 255, 0, 255)},
        {0.01f, 0.39f, rgba(0, 0, 0, 255)},       {0.05f, 0.0f, rgba(255, 255, 255, 255)},
        {0.5f, -0.35f, rgba(255, 255, 255, 255)}, {0.5f, 0.0f, rgba(255, 255, 255, 255)}};
    for (const auto& [x, y, color] : pixels) EXPECT_TRUE(sameColor(guiPixel(x, y), color)) << x << ", " << y;
}

TEST_F(GuiScreenTest, TheKeyboardFocusGlowsOverAndAroundTheFocusedButton) {
    load(R"(<window class="button" action="a" caption="A" x="0" y="0" w="1" h="0.2" show="true"/>)");
    draw();
    EXPECT_EQ(brightest(guiPixel(0.51f, 0.0f)), 0);
    EXPECT_TRUE(gui.onKey(keyEvent(SDLK_TAB, 9, true)));
    draw();
    EXPECT_GT(blue(guiPixel(0.51f, 0.0f)), 100);  // the rim outside the button
    EXPECT_GT(blue(guiPixel(-0.4f, 0.0f)), 100);  // the light over it
    EXPECT_EQ(brightest(guiPixel(0.6f, 0.0f)), 0);
}

// Knob centres go from -0.35 to 0.35, a quarter along at 25; the track is 0.12 thick, round-ended.
TEST_F(GuiScreenTest, ASliderDrawsItsTrackTheFilledPartAndTheKnobAtItsValue) {
    load(R"(<window class="slider" property="v" x="0" y="0" w="1.1" h="0.4" color="FF0000FF" glow="00FF00FF"
                  show="true"/>)");
    gui.setProperty("v", "25");
    gui.update(0.0f, nullptr, 0);
    draw();
    const uint32_t black = rgba(0, 0, 0, 255), red = rgba(255, 0, 0, 255), green = rgba(0, 255, 0, 255);
    const std::tuple<float, float, uint32_t> pixels[] = {
        {-0.175f, 0.14f, green}, {-0.175f, -0.25f, black}, {-0.39f, 0.0f, green}, {0.3f, 0.0f, red},
        {0.3f, 0.045f, red},     {0.3f, 0.08f, black},     {0.5f, 0.0f, black}};
    for (const auto& [x, y, color] : pixels) EXPECT_TRUE(sameColor(guiPixel(x, y), color)) << x << ", " << y;
}

TEST_F(GuiScreenTest, TheEditorDrawsItsGridAndHandlesInEditModeOnlyAndPicksHandlesWithGlSelection) {
    load(R"(<window class="null" name="box" x="0.2" y="0.2" w="0.4" h="0.2" show="true"/>)");
    InputEvent f1 = keyEvent(SDLK_F1, 0, true);
    draw();
    EXPECT_EQ(greenNear(-0.5f, -0.7f), 0);
    gui.update(0.0f, &f1, 1);
    ASSERT_TRUE(gui.editMode());
    ASSERT_TRUE(gui.onMouseButton(windowPixelX(0.2f), windowPixelY(0.2f), true, 0));
    ASSERT_EQ(gui.selected(), gui.findWindow("box"));
    draw();
    EXPECT_GT(greenNear(-0.5f, -0.7f), 40);     // a major grid line crossing
    EXPECT_GT(red(guiPixel(0.2f, 0.2f)), 150);  // the red centre disc
    const std::tuple<float, float, int32_t> presses[] = {{0.2f, 0.2f, kCentreHandle},
                                                         {0.0f - 0.0125f, 0.1f, kLeftBottomHandle},
                                                         {0.4f, 0.1f - 0.0125f, kRightBottomHandle},
                                                         {0.4f + 0.0125f, 0.3f, kRightTopHandle},
                                                         {0.0f, 0.3f + 0.0125f, kLeftTopHandle}};
    for (const auto& [x, y, handle] : presses) {
        EXPECT_FALSE(gui.onMouseButton(windowPixelX(x), windowPixelY(y), true, 0));
        EXPECT_EQ(gui.dragHandle(), handle) << x << ", " << y;
        gui.onMouseButton(windowPixelX(x), windowPixelY(y), false, 0);
    }
    gui.update(0.0f, &f1, 1);
    draw();
    EXPECT_EQ(greenNear(-0.5f, -0.7f), 0);
}

// Drawn a grid step of 0.5 across, it covers a point just inside its rim below its right end.
TEST_F(GuiScreenTest, TheCentreDiscOfTheSelectionIsRoundAllTheWay) {
    load(R"(<window class="null" name="wide" x="0" y="0" w="2.4" h="1.8" show="true"/>)");
    core_->clear(Color(0, 0, 0, 1));
    drawEditorOverlay(4.0f / 3.0f, 0.5f, gui.findWindow("wide"));
    EXPECT_GT(red(guiPixel(0.41f, -0.218f)), 150);
}

}  // namespace
