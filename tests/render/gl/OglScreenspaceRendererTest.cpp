// The screen-space renderer on the game's window with the game's own effect.
#include <GL/glew.h>

#include "support/ScreenTest.h"

using namespace nimbus;

namespace {

const ResourceHandle<Texture> kNoTexture;
constexpr uint32_t kBlack = rgba(0, 0, 0, 255), kRed = rgba(255, 0, 0, 255),
                   kWhite = rgba(255, 255, 255, 255);

void expectClip(const OglScreenspaceRenderer::ClipRect& clip, float minX, float minY, float maxX,
                float maxY) {
    EXPECT_EQ((std::vector<float>{clip.minX, clip.minY, clip.maxX, clip.maxY}),
              (std::vector<float>{minX, minY, maxX, maxY}));
}

class ScreenspaceRenderer : public ScreenTest {
protected:
    // The draws made, each as "count from first technique in scissor box; ".
    std::string draws() const {
        std::string text;
        for (const RecordingCore::Draw& d : recorder_->draws) {
            text += std::to_string(d.count) + " from " + std::to_string(d.first) + " " + d.technique;
            if (d.scissorEnabled) text += " in";
            for (int edge : d.scissor) text += " " + std::to_string(edge);
            text += "; ";
        }
        return text;
    }
};

TEST_F(ScreenspaceRenderer, TheViewMapsGuiUnitsOntoTheWindowAndAPopTooManyChangesNothing) {
    EXPECT_EQ(std::make_pair(renderer_->scale().x, renderer_->scale().y), std::make_pair(0.75f, 1.0f));
    EXPECT_EQ(std::make_pair(renderer_->offset().x, renderer_->offset().y), std::make_pair(0.0f, 0.0f));
    // A lop-sided view: its own corners land on the window's corners.
    OglScreenspaceRenderer shifted(*recorder_, Vector2(2.0f, 1.0f), Vector2(0.0f, -1.0f));
    EXPECT_EQ(std::make_pair(shifted.scale().x, shifted.offset().x), std::make_pair(1.0f, -1.0f));
    expectClip(shifted.currentClipRect(), 0, -1, 2, 1);

    renderer_->popClipRect();
    expectClip(renderer_->currentClipRect(), -4.0f / 3.0f, -1, 4.0f / 3.0f, 1);
}

TEST_F(ScreenspaceRenderer, ConsecutiveQuadsOfOneKindShareABatchAndAnyChangeStartsANewOne) {
    const ResourceHandle<Texture> red(solidTexture(255, 0, 0, 255)), blue(solidTexture(0, 0, 255, 255));
    renderer_->addQuad(quad(-1.0f, 0.5f, -0.9f, 0.6f), red, false);
    renderer_->addQuad(quad(-0.8f, 0.5f, -0.7f, 0.6f), red, false);
    renderer_->addQuad(quad(-0.6f, 0.5f, -0.5f, 0.6f), blue, false);
    renderer_->addQuad(quad(-0.4f, 0.5f, -0.3f, 0.6f), blue, true);
    renderer_->pushClipRect(Vector2(-1.3f, -0.9f), Vector2(1.3f, 0.9f));
    renderer_->addQuad(quad(-0.2f, 0.5f, -0.1f, 0.6f), blue, true);
    renderer_->popClipRect();
    // Back to the first kind: not consecutive, so a batch of its own.
    renderer_->addQuad(quad(0.0f, 0.5f, 0.1f, 0.6f), red, false);
    renderer_->addQuad(quad(0.2f, 0.5f, 0.3f, 0.6f), kNoTexture, false);
    EXPECT_EQ(renderer_->batchCount(), 6);
    renderer_->flush();
    const std::string whole = " in 0 0 1024 768; ";
    EXPECT_EQ(draws(), "8 from 0 Blend" + whole + "4 from 8 Blend" + whole + "4 from 12 Glow" + whole +
                           "4 from 16 Glow in 12 38 999 692; 4 from 20 Blend" + whole +
                           "4 from 24 Wireframe" + whole);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(renderer_->batchCount(), 0);
    const std::tuple<float, uint32_t> pixels[] = {
        {-0.95f, kRed}, {-0.75f, kRed}, {-0.55f, rgba(0, 0, 255, 255)}, {0.05f, kRed}, {-0.85f, kBlack}};
    for (const auto& [x, color] : pixels) EXPECT_TRUE(sameColor(guiPixel(x, 0.55f), color)) << x;
}

// Fractions of a pixel round outwards at the corner, upwards in size; an empty one has no box.
TEST_F(ScreenspaceRenderer, NestedClipRectanglesIntersectIntoTheScissorBoxAndADisjointOneHidesItsQuads) {
    OglScreenspaceRenderer::Scissor box;
    ASSERT_TRUE(renderer_->scissorFor({-0.001f, 0.001f, 0.002f, 0.003f}, box));
    EXPECT_EQ((std::vector<int>{box.x, box.y, box.width, box.height}), (std::vector<int>{511, 384, 2, 1}));
    EXPECT_FALSE(renderer_->scissorFor({0.5f, 0.0f, 0.5f, 1.0f}, box));
    EXPECT_FALSE(renderer_->scissorFor({0.0f, 0.5f, 1.0f, 0.4f}, box));

    const ResourceHandle<Texture> white(solidTexture(255, 255, 255, 255));
    renderer_->pushClipRect(Vector2(-0.5f, -0.5f), Vector2(0.5f, 0.5f));
    renderer_->pushClipRect(Vector2(-1.0f, -1.0f), Vector2(0.25f, 0.25f));
    expectClip(renderer_->currentClipRect(), -0.5f, -0.5f, 0.25f, 0.25f);
    renderer_->addQuad(quad(-1.0f, -1.0f, 1.0f, 1.0f), white, false);
    renderer_->pushClipRect(Vector2(0.75f, 0.75f), Vector2(0.9f, 0.9f));
    renderer_->addQuad(quad(-1.0f, -1.0f, 1.0f, 1.0f, 1, 0, 0), white, false);
    for (int i = 0; i < 3; ++i) renderer_->popClipRect();
    renderer_->flush();
    // Only the intersection was drawn; the disjoint rectangle's quad never reached GL.
    EXPECT_EQ(draws(), "4 from 0 Blend in 320 192 288 288; ");
    EXPECT_TRUE(sameColor(guiPixel(0.0f, 0.0f), kWhite));
    for (const auto& [x, y] :
         {std::pair(-0.75f, 0.0f), std::pair(0.4f, 0.0f), std::pair(0.0f, 0.4f), std::pair(0.8f, 0.8f)})
        EXPECT_TRUE(sameColor(guiPixel(x, y), kBlack)) << x << ", " << y;
}

TEST_F(ScreenspaceRenderer, QuadsPastFiveHundredAndTwelveGoIntoTheNextBufferAndFlushesAlternate) {
    ASSERT_EQ(recorder_->buffers.size(), 2u);
    ASSERT_NE(recorder_->buffers[0], recorder_->buffers[1]);
    const ResourceHandle<Texture> green(solidTexture(0, 255, 0, 255));
    // 600 cells of a grid, 32 to a row.
    auto cell = [](int i) { return Vector2(-1.28f + float(i % 32) * 0.08f, -0.95f + float(i / 32) * 0.08f); };
    for (int i = 0; i < 600; ++i)
        renderer_->addQuad(quad(cell(i).x, cell(i).y, cell(i).x + 0.05f, cell(i).y + 0.05f), green, false);
    renderer_->flush();
    EXPECT_TRUE(sameColor(guiPixel(cell(511).x + 0.025f, cell(511).y + 0.025f), rgba(0, 255, 0, 255)));
    EXPECT_TRUE(sameColor(guiPixel(cell(599).x + 0.025f, cell(599).y + 0.025f), rgba(0, 255, 0, 255)));
    for (int frame = 1; frame < 3; ++frame) {
        renderer_->addQuad(quad(0, 0, 0.1f, 0.1f), green, false);
        renderer_->flush();
    }
    const std::string whole = " from 0 Blend in 0 0 1024 768; ";
    ASSERT_EQ(draws(), "2048" + whole + "352" + whole + "4" + whole + "4" + whole);
    for (int frame = 0; frame < 4; ++frame)
        EXPECT_EQ(recorder_->draws[frame].vertices, recorder_->buffers[frame % 2]);
    EXPECT_EQ(renderer_->currentBuffer(), 0);
}

TEST_F(ScreenspaceRenderer, GlowAddsLightBlendMixesAndAQuadWithoutTextureShowsItsOutline) {
    const ResourceHandle<Texture> grey(solidTexture(128, 128, 128, 255)),
        halfRed(solidTexture(255, 0, 0, 128));
    renderer_->addQuad(quad(-1.0f, -0.5f, 0.0f, 0.5f), grey, false);
    renderer_->addQuad(quad(-1.0f, -0.5f, -0.5f, 0.5f), halfRed, true);
    renderer_->addQuad(quad(-0.5f, -0.5f, 0.0f, 0.5f), halfRed, false);
    renderer_->addQuad(quad(0.25f, -0.5f, 0.75f, 0.5f, 1, 1, 0, 1), kNoTexture, false);
    renderer_->flush();
    // Glow: grey plus half of red; blend: half grey, half red.
    EXPECT_TRUE(sameColor(guiPixel(-0.75f, 0.0f), rgba(255, 128, 128, 255)));
    EXPECT_TRUE(sameColor(guiPixel(-0.25f, 0.0f), rgba(191, 64, 64, 255)));
    EXPECT_TRUE(sameColor(guiPixel(0.5f, 0.0f), kBlack));
    int px = 0, py = 0;
    guiToPixel(0.25f, 0.0f, px, py);
    EXPECT_GT(std::max({red(pixel(px - 1, py)), red(pixel(px, py)), red(pixel(px + 1, py))}), 200)
        << "no outline near x = " << px;
}

// The left half stands for a scene drawn in 3-D: red and nearer than the far plane.
TEST_F(ScreenspaceRenderer, ABackdropFillsOnlyWhatTheSceneLeftOpen) {
    int px = 0, py = 0;
    guiToPixel(0.0f, 0.0f, px, py);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, px, 2 * py);
    glClearColor(1, 0, 0, 1);
    glClearDepth(0.5);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDisable(GL_SCISSOR_TEST);
    renderer_->addBackdrop(quad(-1.3f, -1.0f, 1.3f, 1.0f),
                           ResourceHandle<Texture>(solidTexture(255, 255, 255, 255)));
    renderer_->flush();
    EXPECT_TRUE(sameColor(guiPixel(-0.5f, 0.0f), kRed));
    EXPECT_TRUE(sameColor(guiPixel(0.5f, 0.0f), kWhite));
}

}  // namespace
