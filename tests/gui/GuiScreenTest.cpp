// The GUI drawn in the game's window and read back pixel by pixel, with the game's own
// font, circle and screen-space effect.
#include <SDL/SDL_keysym.h>

#include <algorithm>
#include <string>

#include "core/math/Color.h"
#include "gui/EditableGui.h"
#include "gui/EditorOverlay.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "support/GuiEnvironment.h"
#include "support/ScreenTest.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

class GuiScreenTest : public ScreenTest {
protected:
    static void SetUpTestSuite() {
        ScreenTest::SetUpTestSuite();
        for (const char* file : {"Fonts/Alba", "Fonts/Alba_glow", "Frontend/circle"}) loadDataTexture(file);
        registerTexture("Textures/green", solidTexture(0, 255, 0, 255));
    }
    void SetUp() override {
        ScreenTest::SetUp();
        previousWindows_ = setWindowFactory(&windows_);
        previousActions_ = setActionFactory(&actions_);
        registerStandardWindows(windows_);
        registerStandardActions(actions_);
    }
    void TearDown() override {
        setWindowFactory(previousWindows_);
        setActionFactory(previousActions_);
        ScreenTest::TearDown();
    }
    void load(const std::string& windows) {
        ASSERT_TRUE(gui.load(
            folder_
                .write("gui.xml",
                       R"(<gui><fonts><font name="Alba" texture="Textures/Alba" info=")" NIMBUS_DATA_DIR
                       R"(/Fonts/Alba.xml"/></fonts><windows>)" +
                           windows + "</windows></gui>")
                .c_str()));
    }
    void draw() {
        core_->clear(Color(0, 0, 0, 1));
        gui.draw(Camera(), *renderer_);
    }

    // The largest green byte within two pixels of the GUI point.
    static int greenNear(float x, float y) {
        int px = 0, py = 0, most = 0;
        guiToPixel(x, y, px, py);
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) most = std::max(most, green(pixel(px + dx, py + dy)));
        }
        return most;
    }

    WindowFactory windows_;
    ActionFactory actions_;
    // Outside its edit mode the editor is the plain GUI.
    EditableGui gui{width_, height_};
    WindowFactory* previousWindows_ = nullptr;
    ActionFactory* previousActions_ = nullptr;
    TempFolder folder_;
};

// Pixels of a GUI point on the 1024 x 768 window, as the GUI converts them.
int pixelX(float x) { return static_cast<int>((x / (4.0f / 3) + 1) / 2 * 1023 + 0.5f); }
int pixelY(float y) { return static_cast<int>((1 - y) / 2 * 767 + 0.5f); }

// Clipping by the parent is the recording renderer's business (StandardWindowsTest) and
// the scissor boxes the screen-space renderer's.
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

// Knob centres travel from -0.35 to 0.35, a quarter of the way along at 25; the track is
// 0.12 thick with round ends.
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
    ASSERT_TRUE(gui.onMouseButton(pixelX(0.2f), pixelY(0.2f), true, 0));
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
        EXPECT_FALSE(gui.onMouseButton(pixelX(x), pixelY(y), true, 0));
        EXPECT_EQ(gui.dragHandle(), handle) << x << ", " << y;
        gui.onMouseButton(pixelX(x), pixelY(y), false, 0);
    }
    gui.update(0.0f, &f1, 1);
    draw();
    EXPECT_EQ(greenNear(-0.5f, -0.7f), 0);
}

}  // namespace
