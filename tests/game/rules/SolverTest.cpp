#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "LevelSource.h"
#include "game/rules/HintSearch.h"
#include "game/rules/SolutionReplay.h"
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

// Three rows of a source's grid: `middle` between two rows of its kind's border cell.
std::string grid(const std::string& kind, const std::string& middle) {
    const char edge = kind == "tiles" ? 'k' : kind == "falls" ? '-' : '.';
    std::string border;
    for (size_t i = 0; i < middle.size(); i += 2) border += std::string(i ? " " : "") + edge;
    return kind + "\n" + border + "\n" + middle + "\n" + border + "\n\n";
}

// Small levels worked out by hand, solved, then played through the game's rules.
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

// The first crumbling tile falls at 2 s, the die on it for a roll: 120 - 27 = 93 frames.
TEST_F(SolverTest, CorridorSlackIsTheTimeLeftOnTheFirstCrumblingTile) {
    const Solution s = solveAndReplay(grid("tiles", "k S w w w G") + grid("falls", "- - 1 2 3 -"));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1}), turns(s));
    EXPECT_EQ(3 * kRoll + 1, s.frames);  // the goal counts in the frame its roll starts
    EXPECT_NEAR(93 * kFrameSeconds, s.slack, 1e-4);
    EXPECT_FALSE(s.slackUnlimited);
}

// Twists never bring the cyan bottom ahead; the red side comes to the front by two.
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

// The goal is two cells away behind a wall: the way round takes ten rolls.
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

// The way to the goal has fallen: the search runs dry and names the first cell it stood
// on of those nearest a goal (the start). Cut short by its state limit it proves nothing.
TEST_F(SolverTest, ARunDrySearchNamesTheFirstNearestCellAndACutShortOneProvesNothing) {
    Board b = boardFromRows({"BBBBB", "BWSWB", "BWWWB", "BBGBB"});
    b.tileAt({2, 2}).fallStep = 0;
    const LevelModel model(b, kFrameSeconds);
    const Solution dry = Solver(model).search();
    EXPECT_EQ(std::make_tuple(dry.winnable, dry.exhausted, dry.closest, dry.closestRolls),
              std::make_tuple(false, false, Position(2, 1), 2));
    const Solution cut = Solver(model, 3).search();
    EXPECT_EQ(std::make_pair(cut.winnable, cut.exhausted), std::make_pair(false, true));
}

// A corridor of ten cells: the start, seven white tiles, and the goal in the wall.
const std::string kLongCorridor = grid("tiles", "k S w w w w w w w G");
const std::string kBridge = kLongCorridor + grid("falls", "- - 1 1 1 1 1 1 1 -");

// Eight rolls take 3.2 s, the bridge falls at 2 s: the stop on the first tile carries the
// die over, and the clock may run to 2 s until the die takes it.
TEST_F(SolverTest, StopTimeCarriesTheDieOverABridgeTooLongToRun) {
    EXPECT_FALSE(solveAndReplay(kBridge).winnable);

    const Solution s = solveAndReplay(kBridge + grid("pickups", ". . s . . . . . . ."));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ(std::vector<int>(8, 1), turns(s));
    EXPECT_EQ(7 * kRoll + 1, s.frames);
    EXPECT_EQ(0, s.tightestStep);
    EXPECT_NEAR(2.0f, s.slack, kFrameSeconds * 1.01f);
}

// Reverse time taken at 2.25 s raises the next tile (fallen at 2 s) only after the die
// lands, so that roll must wait for the die to stand still.
TEST_F(SolverTest, ReversedClockRollWaitsUntilTheTileStandsAgain) {
    const Solution s = solveAndReplay(kLongCorridor + grid("falls", "- - - - - - - - 1 -") +
                                      grid("pickups", ". . . . . . . r . ."));
    ASSERT_TRUE(s.winnable);
    EXPECT_EQ(std::vector<int>(8, 1), turns(s));
    for (size_t i = 0; i < s.steps.size(); ++i) EXPECT_EQ(i == 6, s.steps[i].waitFrames > 0) << "step " << i;
}

// Hints asked at the start and after each move they named, while the die still turns,
// win in as few moves as the shortest line has.
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

// The tiles fall at 2, 4 and 6 s and three rolls take 1.35 s: no win after standing 3 s.
TEST_F(HintSearchTest, ReportsNoWinOnceTheWayHasFallen) {
    start(board(grid("tiles", "k S w w w G") + grid("falls", "- - 1 2 3 -")));
    EXPECT_EQ(HintSearch::Status::kFound, ask());
    frames(180);
    EXPECT_EQ(HintSearch::Status::kNoWin, ask());
}

// A player at the keys: every key counts as handed in at once; the frames are recorded.
class KeyRecorder final : public ReplayTarget {
public:
    bool handIn(const SolutionStep&) override {
        pressed.push_back(frame);
        return true;
    }
    bool passFrame() override {
        ++frame;
        return false;
    }

    int frame = 0;
    std::vector<int> pressed;
};

// Three steps without a wait, then one that waits five frames. Keyed ahead, each key
// goes the frame after the game took the one before, which is when the die lands;
// late, every key waits for the die to land and then the lateness.
TEST(SolutionReplay, KeysGoWhenTheDieIsDueToTakeThem) {
    const int busy = DieTurns(kFrameSeconds).busyFrames();
    const int late = 15;
    const std::vector<SolutionStep> steps = {{0, 1}, {0, 1}, {0, 1}, {5, 1}};
    const std::pair<int, std::vector<int>> cases[] = {
        {0, {0, 1, busy + 1, 3 * busy + 5}},
        {late, {late, late + (busy + late), late + 2 * (busy + late), late + 3 * (busy + late) + 5}},
    };
    for (const auto& [lateness, pressed] : cases) {
        KeyRecorder keys;
        SolutionReplay replay(steps, lateness);
        EXPECT_FALSE(replay.play(keys, 1000));
        EXPECT_TRUE(replay.finished());
        EXPECT_EQ(pressed, keys.pressed) << "late " << lateness;
    }
}

}  // namespace
}  // namespace nimbus
