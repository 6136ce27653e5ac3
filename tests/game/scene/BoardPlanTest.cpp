#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/scene/BoardPlan.h"
#include "support/GameFixture.h"
#include "support/GlWindowTest.h"
#include "support/RecordingRenderer.h"
#include "support/TestFont.h"

using namespace nimbus;

using BoardPlanTest = GlWindowTest;

// The editor's plan is paint, not light: no part of it glows, neither a fall step's
// number on a cell large enough to read it nor its dot on a smaller one.
TEST_F(BoardPlanTest, NothingGlowsWhetherAFallStepShowsAsANumberOrADot) {
    registerTestFont();
    Board board = boardFromRows({"S0G"});
    board.tileAt({1, 0}).fallStep = 7;
    for (const float side : {3.0f, 0.1f}) {
        BoardPlan plan;
        plan.fit(board, Vector2(0.0f, 0.0f), Vector2(side, side));
        ASSERT_EQ(plan.cellSize() >= BoardPlan::kSmallestNumberedCell, side > 1.0f);
        EXPECT_NEAR(plan.centreOf({1, 0}).y, side / 2, 1e-5f) << "midway up its room";
        RecordingRenderer renderer;
        plan.draw(board, {0, 0}, {2, 0}, renderer);
        ASSERT_FALSE(renderer.added.empty());
        // The cursor's ring: four sides a tenth of the cell thick.
        int sides = 0;
        for (const RecordingRenderer::Added& added : renderer.added) {
            EXPECT_FALSE(added.glow) << side;
            const ScreenVertex &low = added.quad.corners[0], &high = added.quad.corners[2];
            const float w = std::fabs(high.x - low.x), h = std::fabs(high.y - low.y),
                        ring = plan.cellSize() / 10;
            if (low.g == 0.85f && std::fabs(std::min(w, h) - ring) < 1e-5f) ++sides;
        }
        EXPECT_EQ(sides, 4) << side;
    }
}
