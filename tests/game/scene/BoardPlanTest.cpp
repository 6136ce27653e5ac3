#include <gtest/gtest.h>

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
        RecordingRenderer renderer;
        plan.draw(board, {0, 0}, {2, 0}, renderer);
        ASSERT_FALSE(renderer.added.empty());
        for (const RecordingRenderer::Added& added : renderer.added) EXPECT_FALSE(added.glow) << side;
    }
}
