// A window wider than the view, as a wide full screen gives: the view sits in the middle
// (768 x 576 from x = 128), the backdrop fills the bands beside it, the GUI stays inside.
#include "game/scene/Backdrop.h"
#include "render/ViewSize.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenTest.h"

using namespace nimbus;

namespace {

class WideScreen : public ScreenTest {
protected:
    static void SetUpTestSuite() { openScreen(1024, 576); }
};

constexpr uint32_t kRed = rgba(255, 0, 0, 255);
constexpr float kUv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

}  // namespace

TEST_F(WideScreen, TheBackdropFillsTheBandsAndAQuadOverTheViewStaysInIt) {
    const ResourceHandle<Texture> white(solidTexture(255, 255, 255, 255));
    // Clipped to a window that fills the view, as the GUI clips the menus' backdrop.
    renderer_->pushClipRect({-1.33335f, -1.0f}, {1.33335f, 1.0f});
    drawBackdrop(*renderer_, white, kViewAspect, kUv, 1.0f);
    renderer_->popClipRect();
    const int bands[] = {2, 1021};
    for (int x : bands) EXPECT_GT(brightest(pixel(x, 288)), 100) << "no backdrop at x = " << x;
    renderer_->addQuad(quad(-kViewAspect, -1.0f, kViewAspect, 1.0f, 1, 0, 0), white, false);
    renderer_->flush();
    EXPECT_TRUE(sameColor(pixel(512, 288), kRed));
    for (int x : bands) EXPECT_FALSE(sameColor(pixel(x, 288), kRed)) << "the view spilt over at x = " << x;
}

// The texture runs on past the view's corners as it runs across the view: each band, a
// sixth of the view's width, shows a sixth of the texture more.
TEST_F(WideScreen, TheBackdropsTextureRunsOnIntoTheBands) {
    RecordingRenderer recorder;
    drawBackdrop(recorder, ResourceHandle<Texture>(), kViewAspect, kUv, 1.0f);
    ASSERT_EQ(recorder.added.size(), 1u);
    const ScreenVertex* corners = recorder.added[0].quad.corners;
    EXPECT_NEAR(corners[0].u, -1.0f / 6.0f, 1e-5f);
    EXPECT_NEAR(corners[1].u, 7.0f / 6.0f, 1e-5f);
    EXPECT_NEAR(corners[2].v, 1.0f, 1e-5f);
}
