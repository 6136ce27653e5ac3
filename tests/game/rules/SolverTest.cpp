#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "LevelSource.h"
#include "game/rules/HintSearch.h"
#include "game/rules/Solver.h"
#include "game/rules/SolverTurns.h"
#include "support/GameFixture.h"
#include "support/LevelReplay.h"

namespace nimbus {
namespace {

constexpr int kRoll = 27;  // frames a roll or twist keeps the die busy

Board board(const std::string& text) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
    return level.board;
}

// A grid of three rows as a source writes it: `middle` between two rows of the border
// cell of its kind.
std::string grid(const std::string& kind, const std::string& middle) {
    const char edge = kind == "tiles" ? 'k' : kind == "falls" ? '-' : '.';
    std::string border;
    for (size_t i = 0; i < middle.size(); i += 2) border += std::string(i ? " " : "") + edge;
    return kind + "\n" + border + "\n" + middle + "\n" + border + "\n\n";
}

// Small levels whose answers are worked out by hand, solved and then played through the
// game's rules object to hold the solver to the game.
class SolverTest : public GameFixture {
protected:
    Solution solveAndReplay(const std::string& text) {
        const Board b = board(text);
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

// The first crumbling tile falls at 2 s and the die stands on it for one roll, so the
// player may lose 2 s less that roll: 120 - 27 = 93 frames.
TEST_F(SolverTest, CorridorSlackIsTheTimeLeftOnTheFirstCrumblingTile) {
    const Solution s = solveAndReplay(grid("tiles", "k S w w w G") + grid("falls", "- - 1 2 3 -"));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), turns(s));
    EXPECT_EQ(3 * kRoll + 1, s.frames);  // the goal counts in the frame its roll starts
    EXPECT_NEAR(93 * kFrameSeconds, s.slack, 1e-4);
    EXPECT_FALSE(s.slackUnlimited);
}

// Twists turn only the four sides, so the cyan bottom can never land ahead; a red tile
// needs the red side brought round to the front by two twists.
TEST_F(SolverTest, TwistsReachEverySideButNeverTheBottom) {
    const Solution cyan = solveAndReplay(grid("tiles", "k S c G k"));
    EXPECT_FALSE(cyan.winnable);
    EXPECT_FALSE(cyan.exhausted);

    const Solution red = solveAndReplay(grid("tiles", "k S r G k"));
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
    const Solution s = solveAndReplay(R"(
tiles
k k k k k k k
k S k G w w k
k w k k k w k
k w w w w w k
k k k k k k k
)");
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ((std::vector<int>{3, 3, 1, 1, 1, 1, 2, 2, 0, 0}), turns(s));
}

// A corridor of ten cells: the start, seven white tiles, and the goal in the wall.
const std::string kLongCorridor = grid("tiles", "k S w w w w w w w G");
const std::string kBridge = kLongCorridor + grid("falls", "- - 1 1 1 1 1 1 1 -");

// Eight rolls take 3.2 s and the bridge falls at 2 s; standing the clock still on the
// first tile carries the die over. Lingering on the start is what costs: the clock runs
// until the pick-up, and it may reach 2 s but no more.
TEST_F(SolverTest, StopTimeCarriesTheDieOverABridgeTooLongToRun) {
    EXPECT_FALSE(solveAndReplay(kBridge).winnable);

    const Solution s = solveAndReplay(kBridge + grid("pickups", ". . s . . . . . . ."));
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
    const Solution s = solveAndReplay(kLongCorridor + grid("falls", "- - - - - - - - 1 -") +
                                      grid("pickups", ". . . . . . . r . ."));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ(std::vector<int>(8, 1), turns(s));
    for (size_t i = 0; i < s.steps.size(); ++i) EXPECT_EQ(i == 6, s.steps[i].waitFrames > 0) << "step " << i;
}

// The hint, asked for at the start and then after every move it named and the game
// took, while the die still turns: a level is won in as many moves as its shortest line has, so
// each hint named a move of a shortest line from where the game stood.
class HintSearchTest : public GameFixture {
protected:
    HintSearch::Status ask() {
        hint_.reset();
        EXPECT_TRUE(hint_.start(*game));
        for (int i = 0; i < 10000 && hint_.status() == HintSearch::Status::kSearching; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return hint_.status();
    }
    void frames(int count) {
        for (int i = 0; i < count && !game->levelComplete(); ++i) game->update(kFrameSeconds);
    }

    HintSearch hint_;
};

TEST_F(HintSearchTest, FollowingTheHintsWinsInTheFewestMoves) {
    const std::string levels[] = {
        grid("tiles", "k S r G k"),
        kLongCorridor + grid("falls", "- - - - - - - - 1 -") + grid("pickups", ". . . . . . . r . ."),
        kBridge + grid("pickups", ". . s . . . . . . ."),
    };
    for (const std::string& level : levels) {
        const Board b = board(level);
        const LevelModel model(b, kFrameSeconds);
        const size_t shortest = Solver(model).search().steps.size();
        start(b);
        size_t moves = 0;
        for (HintSearch::Status status = ask(); status == HintSearch::Status::kFound && moves <= shortest;
             ++moves) {
            const SolutionStep move = hint_.solution().steps.front();
            while (game->die().busy() && !game->levelComplete()) frames(1);
            frames(move.waitFrames);
            EXPECT_TRUE(game->execute(GameCommand(kSolverTurns[move.turn].command)));
            status = ask();  // while the die still turns
        }
        frames(1);
        EXPECT_TRUE(game->levelComplete()) << level;
        EXPECT_EQ(shortest, moves) << level;
        EXPECT_EQ(0, refusedRolls(sounds)) << level;
    }
}

// Crumbling tiles 1, 2 and 3 fall at 2, 4 and 6 s, and the three rolls take 1.35 s: at
// the start there is a win; after standing 3 s there is none.
TEST_F(HintSearchTest, ReportsNoWinOnceTheWayHasFallen) {
    start(board(grid("tiles", "k S w w w G") + grid("falls", "- - 1 2 3 -")));
    EXPECT_EQ(HintSearch::Status::kFound, ask());
    frames(180);
    EXPECT_EQ(HintSearch::Status::kNoWin, ask());
}

}  // namespace
}  // namespace nimbus
