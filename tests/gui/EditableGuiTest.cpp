// The layout editor without a screen: the handle under the pointer is chosen by the test
// instead of by GL selection.
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "gui/EditableGui.h"
#include "gui/EditorOverlay.h"
#include "gui/windows/Button.h"
#include "gui/windows/Window.h"
#include "support/FileSizeLimit.h"
#include "support/Golden.h"
#include "support/GuiEnvironment.h"
#include "support/LogCapture.h"

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
    // One frame of the given events.
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
    const int bx = static_cast<int>((0.25f / (4.0f / 3) + 1) / 2 * 1023);
    EXPECT_TRUE(editor.onMouseButton(bx, 384, true, InputEvent::kRightButton));
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
    // Pixels of GUI points on the 1024 x 768 screen: (0.2, 0.1) and 0.05 right, 0.025 up.
    auto px = [](float x) { return static_cast<int>(std::lround((x / (4.0f / 3) + 1) / 2 * 1023)); };
    auto py = [](float y) { return static_cast<int>(std::lround((1 - y) / 2 * 767)); };
    const std::tuple<int32_t, Vector2, Vector2> cases[] = {
        {kCentreHandle, Vector2(0.15f, 0.025f), Vector2(0.4f, 0.2f)},
        {kLeftBottomHandle, Vector2(0.025f, 0.0125f), Vector2(0.35f, 0.175f)},
        {kRightBottomHandle, Vector2(0.025f, 0.0125f), Vector2(0.45f, 0.175f)},
        {kRightTopHandle, Vector2(0.025f, 0.0125f), Vector2(0.45f, 0.225f)},
        {kLeftTopHandle, Vector2(0.025f, 0.0125f), Vector2(0.35f, 0.225f)}};
    for (const auto& [handle, position, size] : cases) {
        Window& w = *editor.findWindow("w");
        w.setPosition(Vector2(0, 0));
        w.setSize(Vector2(0.4f, 0.2f));
        editor.handleUnderPointer = kNoHandle;
        editor.onMouseMove(px(0.1f), py(0.1f));
        editor.onMouseButton(px(0.1f), py(0.1f), true, 0);
        ASSERT_EQ(editor.selected(), &w);
        editor.handleUnderPointer = handle;
        editor.onMouseButton(px(0.2f), py(0.1f), true, 0);
        EXPECT_EQ(editor.dragHandle(), handle);
        editor.onMouseMove(px(0.25f), py(0.125f));
        editor.onMouseButton(px(0.25f), py(0.125f), false, 0);
        EXPECT_EQ(editor.dragHandle(), kNoHandle);
        editor.onMouseMove(px(0.5f), py(0.5f));  // released: nothing follows
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
    // A save, then the release of S with Ctrl still down: one save only.
    frame(editor, {ctrlS(true)});
    const std::string saved = readFile(editor.fileName());
    EXPECT_NE(saved.find("Pla!"), std::string::npos);
    static_cast<Button*>(editor.selected())->editText(keyEvent('?', '?', true));
    frame(editor, {ctrlS(false)});
    EXPECT_EQ(readFile(editor.fileName()), saved);
}

// Every window and action class written back: transitions sorted by condition, numbers
// with six decimals, colours in hex, and a reload saves the same bytes. A change of the
// format changes the hash: look at the document printed before taking the new value.
TEST_F(EditableGuiTest, SavedDocumentsReadBackToTheSameBytesWithTransitionsSorted) {
    load(kEveryClass);
    ASSERT_TRUE(editor.save());
    const std::string once = readFile(editor.fileName());
    EXPECT_TRUE(matchesGolden(once, 0x5ce38ebf0f7520bdull));
    ScriptedEditor again;
    ASSERT_TRUE(again.load(editor.fileName().c_str()));
    ASSERT_TRUE(again.save());
    EXPECT_EQ(readFile(again.fileName()), once);
}

TEST_F(EditableGuiTest, AFailedSaveKeepsTheOldDocumentAndSaysSoOnce) {
    load(kEveryClass);
    const std::string original = readFile(editor.fileName());
    // A disk that fills after 100 bytes.
    LogCapture log;
    {
        FileSizeLimit full(100);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(editor.save());
    }
    EXPECT_EQ(readFile(editor.fileName()), original);
    // Nothing is left beside the document.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(env.folder.path()), {}), 1);
    // Nor does a save where no file can be created at all claim to have worked.
    std::filesystem::remove_all(env.folder.path());
    EXPECT_FALSE(editor.save());
    ASSERT_EQ(log.lines().size(), 2u) << log.all();
    for (const std::string& line : log.lines())
        EXPECT_NE(line.find("Failed to save " + editor.fileName()), std::string::npos);
}

}  // namespace
