#include <cmath>
#include <vector>

#include "game/windows/BackgroundWindow.h"
#include "gui/Gui.h"
#include "gui/SignalQueue.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/ViewFit.h"
#include "render/gl/OglScreenspaceRenderer.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/SceneTest.h"

using namespace nimbus;

using BackgroundWindowTest = SceneTest;

// A die that leaves the bottom comes back at the top in its column and depth, still spinning.
// A camera as wide as the view leaves the dice where they fall; a wider one, as a wide full
// screen gives, deals them again over what it shows.
TEST_F(BackgroundWindowTest, DiceFallRoundInTheirColumnsAndAWiderCameraDealsThemAgain) {
    WindowAttributes attributes;
    attributes.size = Vector2(8.0f / 3.0f, 2.0f);
    attributes.visible = true;
    attributes.name = "background";
    BackgroundWindow window(attributes);
    SignalQueue signals;
    Gui gui(1024, 768);
    const BackgroundWindow::FallingDie before = window.die(0);
    const float depth = -before.position.z, halfFov = 3.14159265f / 12.0f;
    // Falling a unit a second, it is back once further below the view than the view is tall.
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
    // Back in a unit above the top edge of the view at that depth.
    EXPECT_NEAR(last, 1.0f + std::tan(halfFov) * depth, 0.02f);

    OglScreenspaceRenderer renderer(*core_, Vector2(4.0f / 3, 1), Vector2(-4.0f / 3, -1));
    const auto places = [&] {
        std::vector<float> xz;
        for (int i = 0; i < BackgroundWindow::kDiceCount; ++i)
            xz.insert(xz.end(), {window.die(i).position.x, window.die(i).position.z});
        return xz;
    };
    const std::vector<float> dealt = places();
    LogCapture log;
    window.draw(makeStandardCamera(), renderer, 4.0f / 3.0f, Vector2(), gui);
    EXPECT_EQ(places(), dealt);
    EXPECT_EQ(log.all(), "") << "each die is drawn whole";
    window.draw(makeStandardCamera(ViewFit(1600, 900)), renderer, 4.0f / 3.0f, Vector2(), gui);
    EXPECT_NE(places(), dealt);

    // The hexagons slide and turn but are never stretched or sheared: between any two corners, their
    // picture spans as far as the view does.
    RecordingRenderer pattern;
    window.draw(makeStandardCamera(), pattern, 4.0f / 3.0f, Vector2(), gui);
    ASSERT_EQ(pattern.added.size(), 1u);
    const ScreenVertex* corners = pattern.added[0].quad.corners;
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            const ScreenVertex &a = corners[i], &b = corners[j];
            EXPECT_NEAR(std::hypot(b.u - a.u, (b.v - a.v) / 0.872f), std::hypot(b.x - a.x, b.y - a.y), 1e-3f);
        }
    }
}
