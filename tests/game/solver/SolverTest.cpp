#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include "game/level/LevelSource.h"
#include "game/solver/HintSearch.h"
#include "game/solver/SolutionReplay.h"
#include "game/solver/Solver.h"
#include "game/solver/SolverTurns.h"
#include "support/GameFixture.h"
#include "support/LevelReplay.h"

namespace nimbus {
namespace {

Board board(const std::string& text) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
    return level.board;
}

std::string grid(const std::string& kind, std::initializer_list<std::string> rows) {
    std::string text = kind + "\n";
    for (const std::string& row : rows) text += row + "\n";
    return text + "\n";
}

// Three rows of a source's grid: `middle` between two rows of its kind's border cell.
std::string grid(const std::string& kind, const std::string& middle) {
    const char edge = kind == "tiles" ? 'k' : kind == "falls" ? '-' : '.';
    std::string border;
    for (size_t i = 0; i < middle.size(); i += 2) border += std::string(i ? " " : "") + edge;
    return grid(kind, {border, middle, border});
}

// Tiles that fall at 2, 4 and 6 s before the goal.
const std::string kCorridor = grid("tiles", "k S w w w G") + grid("falls", "- - 1 2 3 -");
// A corridor of ten cells: the start, seven white tiles, and the goal in the wall.
const std::string kLongCorridor = grid("tiles", "k S w w w w w w w G");
const std::string kBridge = kLongCorridor + grid("falls", "- - 1 1 1 1 1 1 1 -");
const std::string kStopOnBridge = kBridge + grid("pickups", ". . s . . . . . . .");
const std::string kLateRaise =
    kLongCorridor + grid("falls", "- - - - - - - - 1 -") + grid("pickups", ". . . . . . . r . .");

// A solution in short: its steps as the level compiler reports them, the frames until the
// goal, and the slack at the tightest step; for no win, where the die came closest.
std::string summary(const Solution& s) {
    char text[200];
    if (!s.winnable) {
        std::snprintf(text, sizeof text, "%s, closest %s at %d rolls", s.exhausted ? "cut short" : "no win",
                      s.closest.text().c_str(), s.closestRolls);
        return text;
    }
    std::snprintf(text, sizeof text, "%s in %d frames, slack %.3f at step %d%s",
                  describeSteps(s.steps).c_str(), s.frames, s.slack, s.tightestStep,
                  s.slackUnlimited ? " (unlimited)" : "");
    return text;
}

// Small levels worked out by hand, solved, then played through the game's rules.
using SolverTest = GameFixture;

TEST_F(SolverTest, TheSolverFindsTheShortestWinAndItsSlackOrProvesThereIsNone) {
    const std::tuple<const char*, std::string, const char*> cases[] = {
        // The first crumbling tile falls at 2 s, the die on it for a roll: 120 - 27 = 93
        // frames; the goal counts in the frame its roll starts.
        {"corridor", kCorridor, "right right right right in 82 frames, slack 1.550 at step 0"},
        {"twists never bring the cyan bottom ahead", grid("tiles", "k S c G k"),
         "no win, closest <1, 1> at 2 rolls"},
        {"the red side comes to the front by two twists", grid("tiles", "k S r G k"),
         "twist0 twist0 right right in 82 frames, slack 20.000 at step -1 (unlimited)"},
        {"the goal two cells away behind a wall, ten rolls round",
         grid("tiles", {"k k k k k k k", "k S k G w w k", "k w k k k w k", "k w w w w w k", "k k k k k k k"}),
         "down down right right right right up up left left in 244 frames, slack 20.000 at step -1 "
         "(unlimited)"},
        // Eight rolls take 3.2 s, the bridge falls at 2 s: the stop on the first tile
        // carries the die over, and the clock may run to 2 s until the die takes it.
        {"a bridge too long to run", kBridge, "no win, closest <5, 1> at 4 rolls"},
        {"stop time carries the die over", kStopOnBridge,
         "right right right right right right right right in 190 frames, slack 2.000 at step 0"},
        // Reverse time taken at 2.25 s raises the next tile (fallen at 2 s) only after the die
        // lands, so that roll must wait for the die to stand still.
        {"a reversed clock", kLateRaise,
         "right right right right right right wait15 right right in 205 frames, slack 0.450 at step 0"},
        // The way to the goal has fallen: the first cell it stood on of those nearest a goal.
        {"run dry",
         grid("tiles", {"k k k k k", "k w S w k", "k w w w k", "k k G k k"}) +
             grid("falls", {"- - - - -", "- - - - -", "- - 0 - -", "- - - - -"}),
         "no win, closest <2, 1> at 2 rolls"},
    };
    for (const auto& [what, level, expected] : cases) {
        const Board b = board(level);
        const LevelModel model(b, kFrameSeconds);
        const Solution solution = Solver(model).solve();
        EXPECT_EQ(summary(solution), expected) << what;
        if (!solution.winnable) continue;
        start(b);
        expectCleanWin(replay(*game, model, solution.steps), solution, sounds);
    }
    // Cut short by its state limit the search proves nothing.
    EXPECT_EQ(summary(Solver(LevelModel(board(kBridge), kFrameSeconds), 3).search()),
              "cut short, closest <2, 1> at 7 rolls");
}

// Hints are asked at the start and after each move they named, while the die still turns.
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

TEST_F(HintSearchTest, FollowingTheHintsWinsInTheFewestMovesUntilTheWayHasFallen) {
    const std::string levels[] = {grid("tiles", "k S r G k"), kLateRaise, kStopOnBridge};
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
    // The tiles fall at 2, 4 and 6 s and three rolls take 1.35 s: no win after standing 3 s.
    start(board(kCorridor));
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

// Three steps, then one waiting five frames. Keyed ahead, each key goes as the die lands
// from the one before; late, every key waits for the landing and then the lateness.
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
