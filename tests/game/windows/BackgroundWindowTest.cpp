#include <GL/glew.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/math/Color.h"
#include "game/windows/BackgroundWindow.h"
#include "gui/Gui.h"
#include "gui/SignalQueue.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/ViewFit.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "support/SceneTest.h"

using namespace nimbus;

namespace {

constexpr float kFov = 3.14159265f / 6.0f;

WindowAttributes fullScreen() {
    WindowAttributes a;
    a.size = Vector2(8.0f / 3.0f, 2.0f);
    a.visible = true;
    a.name = "background";
    return a;
}

// About one deal in five paints itself into a corner and must start over, so twenty
// deals also show that dealing ends.
TEST(BackgroundWindow, NoTwoDiceStartCloseInHeightInOneColumnOrAtOneDepth) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::srand(seed);
        const BackgroundWindow window(fullScreen());
        for (int i = 0; i < BackgroundWindow::kDiceCount; ++i) {
            const Vector4& p = window.die(i).position;
            EXPECT_LE((std::fabs(p.x) - 1.0f) / -p.z,
                      std::tan(std::atan(std::tan(kFov) * 4.0f / 3.0f) * 0.5f));
            for (int j = 0; j < i; ++j) {
                const Vector4& q = window.die(j).position;
                EXPECT_FALSE(std::fabs(p.y - q.y) <= 4.0f && (p.x == q.x || p.z == q.z))
                    << "seed " << seed << ": dice " << j << " and " << i;
            }
        }
    }
}

TEST(BackgroundWindow, ADieThatLeavesTheBottomComesBackAtTheTopInItsColumnAndDepthStillSpinning) {
    BackgroundWindow window(fullScreen());
    SignalQueue signals;
    Gui gui(1024, 768);
    const BackgroundWindow::FallingDie before = window.die(0);
    const float depth = -before.position.z;
    // The die falls one unit a second; it is back in once its way down has taken it
    // further below the view than the view is tall.
    bool wrapped = false;
    float last = before.position.y;
    for (int frame = 1; frame <= 60 * 40 && !wrapped; ++frame) {
        window.update(1.0f / 60.0f, signals, gui, Vector2());
        const BackgroundWindow::FallingDie& now = window.die(0);
        wrapped = now.position.y > last;
        last = now.position.y;
        EXPECT_EQ(now.position.x, before.position.x);
        EXPECT_EQ(now.position.z, before.position.z);
        EXPECT_NEAR(now.angle, frame / 60.0f, 1e-3f);
    }
    ASSERT_TRUE(wrapped);
    EXPECT_NEAR(last, 1.0f + std::tan(kFov * 0.5f) * depth, 0.02f);
    // Just above the top edge of the view at that depth.
    EXPECT_GT(last, std::tan(kFov * 0.5f) * depth);
}

using BackgroundDrawing = SceneTest;

// Along a row from the nearest die's centre outwards, the last pixels that still belong
// to a die (the depth buffer says which) are its outline, which is dark.
TEST_F(BackgroundDrawing, OutlinesAreDarkerThanFaces) {
    std::srand(7);
    BackgroundWindow window(fullScreen());
    Gui gui(1024, 768);
    OglScreenspaceRenderer renderer(*core_, Vector2(4.0f / 3, 1), Vector2(-4.0f / 3, -1));
    camera_ = makeStandardCamera();
    core_->clear(Color(0, 0, 0, 1));
    window.draw(camera_, renderer, 4.0f / 3.0f, Vector2(), gui);
    int nearest = -1;
    for (int i = 0; i < BackgroundWindow::kDiceCount; ++i) {
        const Vector4& p = window.die(i).position;
        const float x = p.x / (-p.z * std::tan(kFov * 0.5f) * 4.0f / 3.0f),
                    y = p.y / (-p.z * std::tan(kFov * 0.5f));
        if (std::fabs(x) < 0.7f && std::fabs(y) < 0.7f &&
            (nearest < 0 || p.z > window.die(nearest).position.z)) {
            nearest = i;
        }
    }
    ASSERT_GE(nearest, 0);
    const Vector3 centre = window.die(nearest).position.xyz();
    const uint32_t face = pixelOf(centre);
    const Vector4 clip = Vector4(centre, 1.0f) * camera_.viewProjection;
    int px = static_cast<int>((clip.x / clip.w + 1.0f) * width_ / 2);
    const int py = static_cast<int>((clip.y / clip.w + 1.0f) * height_ / 2);
    float depth = 0.0f;
    for (;; ++px) {
        ASSERT_LT(px, width_);
        glReadPixels(px + 1, py, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        if (depth >= 1.0f) break;
    }
    EXPECT_GT(brightest(face), 100) << std::hex << face;
    for (int rim = 0; rim < 2; ++rim) {
        unsigned char p[4];
        glReadPixels(px - rim, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        EXPECT_LT(std::max({p[0], p[1], p[2]}), 50) << "rim pixel " << rim;
    }
}

}  // namespace

// A camera as wide as the view leaves the dice where they fall; a wider one, as a wide
// full screen gives, deals them again over what it shows.
TEST_F(BackgroundDrawing, OnlyACameraOfAnotherWidthDealsTheDiceAgain) {
    BackgroundWindow window(fullScreen());
    Gui gui(1024, 768);
    OglScreenspaceRenderer renderer(*core_, Vector2(4.0f / 3, 1), Vector2(-4.0f / 3, -1));
    const auto places = [&] {
        std::vector<float> xz;
        for (int i = 0; i < BackgroundWindow::kDiceCount; ++i)
            xz.insert(xz.end(), {window.die(i).position.x, window.die(i).position.z});
        return xz;
    };
    const std::vector<float> dealt = places();
    window.draw(makeStandardCamera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    EXPECT_EQ(places(), dealt);
    window.draw(makeStandardCamera(ViewFit(1600, 900)), renderer, 4.0f / 3.0f, Vector2(), gui);
    EXPECT_NE(places(), dealt);
}
