#include <gtest/gtest.h>

#include "LevelCompiler.h"
#include "LevelReplay.h"
#include "LevelSource.h"
#include "StrandCheck.h"
#include "support/GameFixture.h"

namespace nimbus {
namespace {

constexpr int kRoll = 27;  // frames a roll or twist keeps the die busy

// Small levels whose answers are worked out by hand, solved and then played through the
// game's rules object to hold the solver to the game.
class SolverTest : public GameFixture {
protected:
    Board board(const std::string& text) {
        LevelSource level;
        EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
        return level.board;
    }

    Solution solveAndReplay(const Board& b) {
        model_ = std::make_unique<LevelModel>(b, kFrameSeconds);
        const Solution solution = Solver(*model_).solve();
        if (!solution.winnable) return solution;
        start(b);
        expectCleanWin(replay(*game, *model_, solution.steps), solution, sounds);
        return solution;
    }

    std::vector<int> turns(const Solution& s) const {
        std::vector<int> result;
        for (const SolutionStep& step : s.steps) result.push_back(step.turn);
        return result;
    }

    std::unique_ptr<LevelModel> model_;
};

const char* const kCorridor = R"(
tiles
k k k k k k
k S w w w G
k k k k k k

falls
- - - - - -
- - 1 2 3 -
- - - - - -
)";

// The first crumbling tile falls at 2 s and the die stands on it for one roll, so the
// player may lose 2 s less that roll: 120 - 27 = 93 frames.
TEST_F(SolverTest, CorridorSlackIsTheTimeLeftOnTheFirstCrumblingTile) {
    const Solution s = solveAndReplay(board(kCorridor));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), turns(s));
    EXPECT_EQ(3 * kRoll + 1, s.frames);  // the goal counts in the frame its roll starts
    EXPECT_NEAR(93 * kFrameSeconds, s.slack, 1e-4);
    EXPECT_FALSE(s.slackUnlimited);
}

// Twists turn only the four sides, so the cyan bottom can never land ahead; a red tile
// needs the red side brought round to the front by two twists.
TEST_F(SolverTest, TwistsReachEverySideButNeverTheBottom) {
    const Solution cyan = solveAndReplay(board("tiles\nk k k k k\nk S c G k\nk k k k k\n"));
    EXPECT_FALSE(cyan.winnable);
    EXPECT_FALSE(cyan.exhausted);

    const Solution red = solveAndReplay(board("tiles\nk k k k k\nk S r G k\nk k k k k\n"));
    ASSERT_TRUE(red.winnable);
    ASSERT_EQ(4u, red.steps.size());
    EXPECT_GE(red.steps[0].turn, 4);
    EXPECT_EQ(red.steps[0].turn, red.steps[1].turn);
    EXPECT_EQ((std::vector<int>{1, 1}), std::vector<int>({red.steps[2].turn, red.steps[3].turn}));
    EXPECT_TRUE(red.slackUnlimited);
}

// The goal lies two cells from the start behind a wall; the only way is the long way
// round, nine rolls away from and back towards it.
TEST_F(SolverTest, GoalBehindAWallIsReachedTheLongWayRound) {
    const Solution s = solveAndReplay(board(R"(
tiles
k k k k k k k
k S k G w w k
k w k k k w k
k w w w w w k
k k k k k k k
)"));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ((std::vector<int>{3, 3, 1, 1, 1, 1, 2, 2, 0, 0}), turns(s));
}

// A corridor of ten cells: the start, seven white tiles, and the goal in the wall.
const std::string kLongCorridor = "tiles\nk k k k k k k k k k\nk S w w w w w w w G\nk k k k k k k k k k\n\n";
// One row of pick-ups or fall steps for the middle of the corridor, the rest of the
// grid around it.
std::string middleRow(const std::string& grid, const std::string& row) {
    const std::string edge = grid == "falls" ? "- - - - - - - - - -\n" : ". . . . . . . . . .\n";
    return grid + "\n" + edge + row + "\n" + edge + "\n";
}
const std::string kBridge = kLongCorridor + middleRow("falls", "- - 1 1 1 1 1 1 1 -");

// Eight rolls take 3.2 s and the bridge falls at 2 s; standing the clock still on the
// first tile carries the die over. Lingering on the start is what costs: the clock runs
// until the pick-up, and it may reach 2 s but no more.
TEST_F(SolverTest, StopTimeCarriesTheDieOverABridgeTooLongToRun) {
    EXPECT_FALSE(solveAndReplay(board(kBridge)).winnable);

    const Solution s = solveAndReplay(board(kBridge + middleRow("pickups", ". . s . . . . . . .")));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ(std::vector<int>(8, 1), turns(s));
    EXPECT_EQ(7 * kRoll + 1, s.frames);
    EXPECT_EQ(0, s.tightestStep);
    EXPECT_NEAR(2.0f, s.slack, kFrameSeconds * 1.01f);
}

// The die takes the reverse-time pick-up at 2.25 s; the next tile fell at 2 s and stands
// again from the moment the clock is back below that, which is after the die lands
// (1.8 s) but not while it turns. A roll keyed in during the turn would be refused and
// spent, so the solver has to hand it in only once the die stands still.
TEST_F(SolverTest, ReversedClockRollWaitsUntilTheTileStandsAgain) {
    const Solution s = solveAndReplay(board(kLongCorridor + middleRow("falls", "- - - - - - - - 1 -") +
                                            middleRow("pickups", ". . . . . . . r . .")));
    ASSERT_TRUE(s.winnable);
    ASSERT_EQ(8u, s.steps.size());
    EXPECT_EQ(std::vector<int>(8, 1), turns(s));
    for (size_t i = 0; i < s.steps.size(); ++i) EXPECT_EQ(i == 6, s.steps[i].waitFrames > 0) << "step " << i;
}

// Rolling right from the start lands green on the red tile and is refused, but two
// twists bring red round to the front first. On the red tile green is then on top, and
// the only way off is back down onto green.
const std::string kRedPocket = "tiles\nk k k k k k\nk S r k k k\nk y g w w G\nk k k k k k\n\n";

std::string falls(const std::string& top, const std::string& bottom) {
    return "falls\n- - - - - -\n" + top + "\n" + bottom + "\n- - - - - -\n";
}

bool strands(const std::string& text, Position& where) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
    return canStrand(level.board, DieTurns(kFrameSeconds), where);
}

TEST(StrandCheck, PocketTheDieCannotLeaveStrandsItUnlessItsTileFalls) {
    Position where;
    ASSERT_TRUE(strands(kRedPocket, where));
    EXPECT_EQ(Position(2, 1), where);
    // Once the pocket crumbles a die left there loses a life and starts again.
    EXPECT_FALSE(strands(kRedPocket + falls("- - 30 - - -", "- - - - - -"), where));
}

TEST(StrandCheck, WhereTheFloorCrumblesEveryStandingTileNeedsAStandingWayOn) {
    Position where;
    // The start stands for good while everything around it falls.
    ASSERT_TRUE(strands(kRedPocket + falls("- - 9 - - -", "- 5 5 6 7 -"), where));
    EXPECT_EQ(Position(1, 1), where);
    EXPECT_FALSE(strands(kRedPocket + falls("- 9 9 - - -", "- 5 5 6 7 -"), where));
    // A last white tile that stands for good is safe: the goal is one roll away.
    EXPECT_FALSE(strands(kRedPocket + falls("- 9 9 - - -", "- 5 5 6 - -"), where));
}

}  // namespace
}  // namespace nimbus
