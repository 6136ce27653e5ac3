#include <GL/glew.h>

#include "ScreenTestWindow.h"

using namespace nimbus;

namespace {
const ResourceHandle<Texture> kNoTexture;
}  // namespace

TEST_F(ScreenTest, TheGameViewMapsGuiUnitsOntoTheWindow) {
    EXPECT_FLOAT_EQ(renderer_->scale().x, 0.75f);
    EXPECT_FLOAT_EQ(renderer_->scale().y, 1.0f);
    EXPECT_FLOAT_EQ(renderer_->offset().x, 0.0f);
    EXPECT_FLOAT_EQ(renderer_->offset().y, 0.0f);
    const OglScreenspaceRenderer::ClipRect view = renderer_->currentClipRect();
    EXPECT_FLOAT_EQ(view.minX, -4.0f / 3.0f);
    EXPECT_FLOAT_EQ(view.maxY, 1.0f);

    // A lop-sided view: its own corners land on the window's corners.
    OglScreenspaceRenderer shifted(*recorder_, Vector2(2.0f, 1.0f), Vector2(0.0f, -1.0f));
    EXPECT_FLOAT_EQ(shifted.scale().x, 1.0f);
    EXPECT_FLOAT_EQ(shifted.offset().x, -1.0f);
    EXPECT_FLOAT_EQ(shifted.currentClipRect().minX, 0.0f);
    EXPECT_FLOAT_EQ(shifted.currentClipRect().maxX, 2.0f);
}

TEST_F(ScreenTest, ConsecutiveQuadsOfOneKindShareABatchAndAnyChangeStartsANewOne) {
    const ResourceHandle<Texture> red = solidTexture(255, 0, 0, 255);
    const ResourceHandle<Texture> blue = solidTexture(0, 0, 255, 255);
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

    ASSERT_EQ(recorder_->draws.size(), 6u);
    const int32_t counts[] = {8, 4, 4, 4, 4, 4};
    const int32_t firsts[] = {0, 8, 12, 16, 20, 24};
    const char* techniques[] = {"Blend", "Blend", "Glow", "Glow", "Blend", "Wireframe"};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(recorder_->draws[i].count, counts[i]) << i;
        EXPECT_EQ(recorder_->draws[i].first, firsts[i]) << i;
        EXPECT_EQ(recorder_->draws[i].technique, techniques[i]) << i;
        EXPECT_TRUE(recorder_->draws[i].scissorEnabled) << i;
    }
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_EQ(renderer_->batchCount(), 0);

    EXPECT_TRUE(sameColor(pixelAt(-0.95f, 0.55f), rgba(255, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.75f, 0.55f), rgba(255, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.55f, 0.55f), rgba(0, 0, 255, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.05f, 0.55f), rgba(255, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.85f, 0.55f), rgba(0, 0, 0, 255)));
}

TEST_F(ScreenTest, NestedClipRectanglesIntersectAndADisjointOneHidesItsQuads) {
    const ResourceHandle<Texture> white = solidTexture(255, 255, 255, 255);
    renderer_->pushClipRect(Vector2(-0.5f, -0.5f), Vector2(0.5f, 0.5f));
    renderer_->pushClipRect(Vector2(-1.0f, -1.0f), Vector2(0.25f, 0.25f));
    const OglScreenspaceRenderer::ClipRect both = renderer_->currentClipRect();
    EXPECT_FLOAT_EQ(both.minX, -0.5f);
    EXPECT_FLOAT_EQ(both.minY, -0.5f);
    EXPECT_FLOAT_EQ(both.maxX, 0.25f);
    EXPECT_FLOAT_EQ(both.maxY, 0.25f);
    renderer_->addQuad(quad(-1.0f, -1.0f, 1.0f, 1.0f), white, false);
    renderer_->pushClipRect(Vector2(0.75f, 0.75f), Vector2(0.9f, 0.9f));
    renderer_->addQuad(quad(-1.0f, -1.0f, 1.0f, 1.0f, 1, 0, 0), white, false);
    renderer_->popClipRect();
    renderer_->popClipRect();
    renderer_->popClipRect();
    renderer_->flush();

    // Only the intersection was drawn; the disjoint rectangle's quad never reached GL.
    ASSERT_EQ(recorder_->draws.size(), 1u);
    EXPECT_TRUE(sameColor(pixelAt(0.0f, 0.0f), rgba(255, 255, 255, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.75f, 0.0f), rgba(0, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.4f, 0.0f), rgba(0, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.0f, 0.4f), rgba(0, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.8f, 0.8f), rgba(0, 0, 0, 255)));
}

TEST_F(ScreenTest, PoppingAnEmptyStackChangesNothing) {
    renderer_->popClipRect();
    const OglScreenspaceRenderer::ClipRect view = renderer_->currentClipRect();
    EXPECT_FLOAT_EQ(view.minX, -4.0f / 3.0f);
    EXPECT_FLOAT_EQ(view.maxX, 4.0f / 3.0f);
    // A later push is still taken as it is, not intersected with anything left over.
    renderer_->pushClipRect(Vector2(-2.0f, -2.0f), Vector2(2.0f, 2.0f));
    EXPECT_FLOAT_EQ(renderer_->currentClipRect().minX, -2.0f);
    renderer_->popClipRect();
    renderer_->popClipRect();
    EXPECT_FLOAT_EQ(renderer_->currentClipRect().maxY, 1.0f);
}

TEST_F(ScreenTest, TheScissorBoxFollowsTheClipRectangleOnTheGameWindow) {
    OglScreenspaceRenderer::Scissor box;
    ASSERT_TRUE(renderer_->scissorFor({-0.5f, -0.25f, 0.5f, 0.75f}, box));
    EXPECT_EQ(box.x, 320);
    EXPECT_EQ(box.y, 288);
    EXPECT_EQ(box.width, 384);
    EXPECT_EQ(box.height, 384);
    // Fractions round outwards at the corner and upwards in size.
    ASSERT_TRUE(renderer_->scissorFor({-0.001f, 0.001f, 0.002f, 0.003f}, box));
    EXPECT_EQ(box.x, 511);
    EXPECT_EQ(box.y, 384);
    EXPECT_EQ(box.width, 2);
    EXPECT_EQ(box.height, 1);
    EXPECT_FALSE(renderer_->scissorFor({0.5f, 0.0f, 0.5f, 1.0f}, box));
    EXPECT_FALSE(renderer_->scissorFor({0.0f, 0.5f, 1.0f, 0.4f}, box));

    const ResourceHandle<Texture> white = solidTexture(255, 255, 255, 255);
    renderer_->addQuad(quad(-1, -1, 1, 1), white, false);
    renderer_->pushClipRect(Vector2(-0.5f, -0.25f), Vector2(0.5f, 0.75f));
    renderer_->addQuad(quad(-1, -1, 1, 1), white, false);
    renderer_->flush();
    ASSERT_EQ(recorder_->draws.size(), 2u);
    const int whole[4] = {0, 0, kWidth, kHeight}, clipped[4] = {320, 288, 384, 384};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(recorder_->draws[0].scissor[i], whole[i]);
        EXPECT_EQ(recorder_->draws[1].scissor[i], clipped[i]);
    }
}

TEST_F(ScreenTest, QuadsPastFiveHundredAndTwelveAreDroppedAndTheRestDrawn) {
    const ResourceHandle<Texture> green = solidTexture(0, 255, 0, 255);
    // 600 cells of a grid, 32 to a row.
    auto cell = [](int i, float& x, float& y) {
        x = -1.28f + static_cast<float>(i % 32) * 0.08f;
        y = -0.95f + static_cast<float>(i / 32) * 0.08f;
    };
    for (int i = 0; i < 600; ++i) {
        float x = 0, y = 0;
        cell(i, x, y);
        renderer_->addQuad(quad(x, y, x + 0.05f, y + 0.05f), green, false);
    }
    EXPECT_EQ(renderer_->quadCount(), 512);
    renderer_->flush();
    ASSERT_EQ(recorder_->draws.size(), 1u);
    EXPECT_EQ(recorder_->draws[0].count, 2048);
    float x = 0, y = 0;
    cell(511, x, y);
    EXPECT_TRUE(sameColor(pixelAt(x + 0.025f, y + 0.025f), rgba(0, 255, 0, 255)));
    cell(512, x, y);
    EXPECT_TRUE(sameColor(pixelAt(x + 0.025f, y + 0.025f), rgba(0, 0, 0, 255)));
    // The next frame has room again.
    renderer_->addQuad(quad(0, 0, 0.1f, 0.1f), green, false);
    EXPECT_EQ(renderer_->quadCount(), 1);
}

TEST_F(ScreenTest, TheTwoBuffersAlternateBetweenFlushes) {
    ASSERT_EQ(recorder_->buffers.size(), 2u);
    VertexBuffer* a = recorder_->buffers[0];
    VertexBuffer* b = recorder_->buffers[1];
    ASSERT_NE(a, b);
    const ResourceHandle<Texture> white = solidTexture(255, 255, 255, 255);
    VertexBuffer* expected[] = {a, b, a};
    for (VertexBuffer* buffer : expected) {
        recorder_->draws.clear();
        renderer_->addQuad(quad(0, 0, 0.1f, 0.1f), white, false);
        renderer_->flush();
        ASSERT_EQ(recorder_->draws.size(), 1u);
        EXPECT_EQ(recorder_->draws[0].vertices, buffer);
        EXPECT_EQ(recorder_->draws[0].first, 0);
    }
    EXPECT_EQ(renderer_->currentBuffer(), 1);
}

TEST_F(ScreenTest, GlowAddsLightBlendMixesAndAQuadWithoutTextureShowsItsOutline) {
    const ResourceHandle<Texture> grey = solidTexture(128, 128, 128, 255);
    const ResourceHandle<Texture> halfRed = solidTexture(255, 0, 0, 128);
    renderer_->addQuad(quad(-1.0f, -0.5f, 0.0f, 0.5f), grey, false);
    renderer_->addQuad(quad(-1.0f, -0.5f, -0.5f, 0.5f), halfRed, true);
    renderer_->addQuad(quad(-0.5f, -0.5f, 0.0f, 0.5f), halfRed, false);
    renderer_->addQuad(quad(0.25f, -0.5f, 0.75f, 0.5f, 1, 1, 0, 1), kNoTexture, false);
    renderer_->flush();
    // Glow: grey plus half of red; blend: half grey, half red.
    EXPECT_TRUE(sameColor(pixelAt(-0.75f, 0.0f), rgba(255, 128, 128, 255)));
    EXPECT_TRUE(sameColor(pixelAt(-0.25f, 0.0f), rgba(191, 64, 64, 255)));
    EXPECT_TRUE(sameColor(pixelAt(0.5f, 0.0f), rgba(0, 0, 0, 255)));
    int px = 0, py = 0;
    toPixel(0.25f, 0.0f, px, py);
    unsigned char column[3 * 4] = {};
    glReadPixels(px - 1, py, 3, 1, GL_RGBA, GL_UNSIGNED_BYTE, column);
    const bool edgeLit = column[0] > 200 || column[4] > 200 || column[8] > 200;
    EXPECT_TRUE(edgeLit) << "no outline near x = " << px;
}

TEST_F(ScreenTest, WithoutTheEffectNothingIsDrawnAndNothingBreaks) {
    ResourceManager empty;
    setResourceManager(&empty);
    {
        OglScreenspaceRenderer bare(*recorder_, Vector2(4.0f / 3.0f, 1.0f), Vector2(-4.0f / 3.0f, -1.0f));
        bare.addQuad(quad(-1, -1, 1, 1), solidTexture(255, 255, 255, 255), false);
        bare.flush();
        bare.flush();
    }
    setResourceManager(manager_);
    EXPECT_TRUE(recorder_->draws.empty());
    EXPECT_TRUE(sameColor(pixelAt(0.0f, 0.0f), rgba(0, 0, 0, 255)));
}
