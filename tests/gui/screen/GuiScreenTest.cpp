// The GUI drawn in the game's window and read back pixel by pixel, with the game's own
// font, circle and screen-space effect.
#include <GL/glew.h>
#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ScreenTestWindow.h"
#include "core/posix/FileInBuffer.h"
#include "gui/EditableGui.h"
#include "gui/EditorOverlay.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/Window.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "render/TextureFile.h"

using namespace nimbus;

namespace {

class GuiScreenTest : public ScreenTest {
protected:
    static void SetUpTestSuite() {
        ScreenTest::SetUpTestSuite();
        const std::string data = NIMBUS_DATA_DIR;
        for (const char* file : {"/Fonts/Alba", "/Fonts/Alba_glow", "/Frontend/circle"}) {
            FileInBuffer in;
            TextureHeader header;
            std::vector<uint8_t> pixels;
            ASSERT_TRUE(in.open(data + file + ".texture") && readTextureFile(in, header, pixels)) << file;
            const std::string name = std::string("Textures/") + (std::strrchr(file, '/') + 1);
            registerTexture(name.c_str(),
                            core_->createTexture(header, pixels.data(), int64_t(pixels.size())));
        }
        TextureHeader header;
        header.format = static_cast<int16_t>(PixelFormat::RGBA);
        header.width = header.height = header.mipCount = 1;
        const uint8_t green[4] = {0, 255, 0, 255};
        registerTexture("Textures/green", core_->createTexture(header, green, 4));
    }

    void SetUp() override {
        ScreenTest::SetUp();
        previousWindows_ = setWindowFactory(&windows_);
        previousActions_ = setActionFactory(&actions_);
        registerStandardWindows(windows_);
        registerStandardActions(actions_);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override {
        setWindowFactory(previousWindows_);
        setActionFactory(previousActions_);
        for (const std::string& file : files_) std::remove(file.c_str());
        ScreenTest::TearDown();
    }

    void load(Gui& gui, const std::string& windows) {
        char name[] = "/tmp/nimbus-gui-screen-XXXXXX";
        const int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        files_.push_back(name);
        std::ofstream(name)
            << R"(<gui><fonts><font name="Alba" texture="Textures/Alba" info=")" NIMBUS_DATA_DIR
               R"(/Fonts/Alba.xml"/></fonts><windows>)"
            << windows << "</windows></gui>";
        ASSERT_TRUE(gui.load(name));
    }
    void draw(Gui& gui) {
        glClear(GL_COLOR_BUFFER_BIT);
        gui.draw(Camera(), *renderer_);
    }

    // The rows, counted in pixels, in which the GUI rectangle holds a pixel that passes.
    template <typename Test>
    static int rowsWhere(float x0, float y0, float x1, float y1, Test test) {
        int px0 = 0, py0 = 0, px1 = 0, py1 = 0;
        toPixel(x0, y0, px0, py0);
        toPixel(x1, y1, px1, py1);
        const int w = px1 - px0, h = py1 - py0;
        std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
        glReadPixels(px0, py0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int rows = 0;
        for (int y = 0; y < h; ++y) {
            bool any = false;
            for (int x = 0; x < w && !any; ++x) any = test(&rgba[(static_cast<size_t>(y) * w + x) * 4]);
            rows += any;
        }
        return rows;
    }
    // The largest green byte within two pixels of the GUI point.
    static int greenNear(float x, float y) {
        int px = 0, py = 0;
        toPixel(x, y, px, py);
        uint8_t rgba[5 * 5 * 4];
        glReadPixels(px - 2, py - 2, 5, 5, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        int green = 0;
        for (int i = 1; i < 5 * 5 * 4; i += 4) green = std::max(green, int(rgba[i]));
        return green;
    }

    WindowFactory windows_;
    ActionFactory actions_;
    WindowFactory* previousWindows_ = nullptr;
    ActionFactory* previousActions_ = nullptr;
    std::vector<std::string> files_;
};

bool reddish(const uint8_t* p) { return p[0] > 150 && p[1] < 60 && p[2] < 60; }

// Pixels of a GUI point on the 1024 x 768 window, as the GUI converts them.
int pixelX(float x) { return static_cast<int>((x / (4.0f / 3) + 1) / 2 * 1023 + 0.5f); }
int pixelY(float y) { return static_cast<int>((1 - y) / 2 * 767 + 0.5f); }

}  // namespace

TEST_F(GuiScreenTest, AButtonCaptionShowsInItsColourAndSwellsWhileHovered) {
    Gui gui(kWidth, kHeight);
    load(gui, R"(<window class="button" action="a" caption="HEH" x="0" y="0" w="1" h="0.4" show="true"
                  color="FF0000FF" glow="FF0000FF"/>)");
    draw(gui);
    const int still = rowsWhere(-0.5f, -0.3f, 0.5f, 0.3f, reddish);
    EXPECT_GT(still, 20);
    gui.onMouseMove(512, 384);
    gui.update(0.5f, nullptr, 0);
    draw(gui);
    const int hovered = rowsWhere(-0.5f, -0.3f, 0.5f, 0.3f, reddish);
    EXPECT_GT(hovered, still * 1.15) << still << " " << hovered;
    EXPECT_LT(hovered, still * 1.35) << still;
}

TEST_F(GuiScreenTest, PanesShowTheirTextureAndClipTheirChildren) {
    Gui gui(kWidth, kHeight);
    load(gui, R"(<window class="null" x="-0.5" y="0" w="0.4" h="0.4" show="true">
                   <window class="pane" texture="Textures/green" x="0.2" y="0" w="0.4" h="0.2" show="true"/>
                 </window>)");
    draw(gui);
    EXPECT_TRUE(sameColor(pixelAt(-0.4f, 0.0f), rgba(0, 255, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.35f, 0.05f), rgba(0, 255, 0, 255)));
    // The pane reaches to x = -0.1, its parent only to -0.3.
    EXPECT_TRUE(sameColor(pixelAt(-0.28f, 0.0f), rgba(0, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.15f, 0.0f), rgba(0, 0, 0, 255)));
}

TEST_F(GuiScreenTest, ARoundedPaneLeavesItsCornersEmptyAndFillsItsEdges) {
    Gui gui(kWidth, kHeight);
    load(
        gui,
        R"(<window class="rounded_pane" radius="0.2" x="0" y="0" w="1" h="0.8" color="FFFFFFFF" show="true"/>)");
    draw(gui);
    EXPECT_TRUE(sameColor(pixelAt(-0.49f, 0.39f), rgba(0, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.45f, 0.0f), rgba(255, 255, 255, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.0f, -0.35f), rgba(255, 255, 255, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.0f, 0.0f), rgba(255, 255, 255, 255)));
}

TEST_F(GuiScreenTest, TheEditorDrawsItsGridAndHandlesInEditModeOnlyAndPicksHandlesWithGlSelection) {
    EditableGui gui(kWidth, kHeight);
    load(gui, R"(<window class="null" name="box" x="0.2" y="0.2" w="0.4" h="0.2" show="true"/>)");
    InputEvent f1;
    f1.type = InputEvent::Key;
    f1.key = SDLK_F1;
    f1.pressed = true;
    draw(gui);
    EXPECT_EQ(greenNear(-0.5f, -0.7f), 0);
    gui.update(0.0f, &f1, 1);
    ASSERT_TRUE(gui.editMode());
    ASSERT_TRUE(gui.onMouseButton(pixelX(0.2f), pixelY(0.2f), true, 0));
    ASSERT_EQ(gui.selected(), gui.findWindow("box"));
    draw(gui);
    EXPECT_GT(greenNear(-0.5f, -0.7f), 40);  // a major grid line crossing
    uint8_t centre[4];
    int px = 0, py = 0;
    toPixel(0.2f, 0.2f, px, py);
    glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, centre);
    EXPECT_GT(centre[0], 150);  // the red centre disc
    const struct {
        float x, y;
        int32_t handle;
    } presses[] = {
        {0.2f, 0.2f, kCentreHandle},
        {0.0f - 0.0125f, 0.1f, kLeftBottomHandle},
        {0.4f, 0.1f - 0.0125f, kRightBottomHandle},
        {0.4f + 0.0125f, 0.3f, kRightTopHandle},
        {0.0f, 0.3f + 0.0125f, kLeftTopHandle},
    };
    for (const auto& press : presses) {
        EXPECT_FALSE(gui.onMouseButton(pixelX(press.x), pixelY(press.y), true, 0));
        EXPECT_EQ(gui.dragHandle(), press.handle) << press.x << ", " << press.y;
        gui.onMouseButton(pixelX(press.x), pixelY(press.y), false, 0);
    }
    gui.update(0.0f, &f1, 1);
    draw(gui);
    EXPECT_EQ(greenNear(-0.5f, -0.7f), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
