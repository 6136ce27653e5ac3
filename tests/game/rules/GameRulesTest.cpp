// The rules object: moves, scoring, crumbling tiles, lives and pick-ups.
#include "core/posix/PosixInArchive.h"
#include "support/GameFixture.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const GameCommand kPlusX(kCommandRollPlusX), kMinusX(kCommandRollMinusX), kMinusY(kCommandRollMinusY);
const GameCommand kPause(kCommandTogglePause);
using Texts = std::vector<std::string>;

// A corridor of White tiles from the Start at (1, 1) to x = 6 inside a Black ring, with
// pick-ups on the given cells of its row.
Board corridor(std::initializer_list<std::pair<int32_t, int32_t>> pickups = {}) {
    Board board = boardFromRows({"BBBBBBBB", "BSWWWWWB", "BBBBBBBB"});
    for (const auto& [x, kind] : pickups) board.tileAt({x, 1}).pickup = kind;
    return board;
}

using GameRules = GameFixture;

// The die's +x face is Green (1) at the start; off the edge of a board without a ring
// the board is never read. (A crumbled target: ReverseTimeRaisesCrumbledTiles.)
TEST_F(GameRules, MovesNeedAMatchingStandingTileInsideTheBoard) {
    for (const auto& [row, cell] : {std::pair("BS0BB", Position(1, 1)), std::pair("BS1BB", Position(2, 1))}) {
        start(boardFromRows({"BBBBB", row, "BBBBB"}));
        EXPECT_TRUE(run(kPlusX));
        EXPECT_EQ(game->dieCell(), cell);
    }
    EXPECT_EQ(sounds.played, (Sounds{"Failed", "Move"}));
    start(boardFromRows({"SWW", "WWW"}));
    for (const GameCommand& c : {kMinusX, kMinusY, GameCommand(kCommandRollToCell, -1, 0), GameCommand(99)}) {
        EXPECT_TRUE(game->execute(c));
    }
    EXPECT_EQ(game->dieCell(), Position(0, 0));
    EXPECT_EQ(sounds.played, (Sounds{"Failed", "Move", "Failed", "Failed", "Failed", "Failed"}));
}

TEST_F(GameRules, AClickedCellMustBeANeighbour) {
    start(boardFromRows({"WWWW", "WSWW", "WWWW", "WWWW"}));
    for (const Position& cell : {Position(2, 2), Position(3, 1), Position(1, 1), Position(1, 3)}) {
        EXPECT_TRUE(game->execute(GameCommand(kCommandRollToCell, cell.x, cell.y)));
    }
    EXPECT_EQ(sounds.played, Sounds(4, "Failed"));
    EXPECT_EQ(game->dieCell(), Position(1, 1));
    for (const Position& cell : {Position(2, 1), Position(2, 2), Position(1, 2), Position(0, 2)}) {
        EXPECT_TRUE(run(GameCommand(kCommandRollToCell, cell.x, cell.y)));
        EXPECT_EQ(game->dieCell(), cell);
    }
}

TEST_F(GameRules, CommandsWaitForTheTurningDie) {
    start(corridor());
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    for (int i = 0; i < 27; ++i) game->update(1.0f / 60.0f);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ(game->dieCell(), Position(3, 1));
    game->update(0.5f);
    EXPECT_TRUE(game->execute(GameCommand(kCommandTwist1)));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    EXPECT_TRUE(game->execute(GameCommand()));
    EXPECT_EQ(sounds.played, (Sounds{"Move", "Move", "Twist"}));
    EXPECT_EQ(game->die().face(kSlotPlusX), kYellow);
}

// Pause freezes the clock, the die, the combo, the texts and the pick-ups' effects.
TEST_F(GameRules, PauseFreezesEverythingButCommands) {
    start(corridor({{2, kPickupStopTime}}));
    game->execute(kPlusX);
    game->update(0.1f);
    const auto frozen = [&] {
        return std::make_tuple(game->levelClock(), game->die().angle(), stats.comboTimer,
                               game->floatingTexts().entries()[0].age, game->actions()[0]->progress());
    };
    const auto before = frozen();
    EXPECT_TRUE(game->execute(kPause));
    EXPECT_TRUE(game->paused());
    EXPECT_FALSE(game->update(10.0f));
    EXPECT_EQ(frozen(), before);
    game->execute(kPause);
    game->update(1.0f);
    EXPECT_GT(game->actions()[0]->progress(), std::get<4>(before));
}

// The multiplier doubles with each new tile up to 32 and starts again at 1 once its
// timer has run out; a visited tile scores nothing. Changes show as texts.
TEST_F(GameRules, NewTilesScoreWithADoublingMultiplierCappedAt32) {
    start(boardFromRows({"BBBBBBBBBBBB", "BSWWWWWWWWWB", "BBBBBBBBBBBB"}));
    game->execute(kPlusX);
    ASSERT_EQ(texts(), (Texts{"50", "X2!"}));
    const FloatingText &score = game->floatingTexts().entries()[0],
                       &multiplier = game->floatingTexts().entries()[1];
    EXPECT_EQ(std::make_tuple(score.position, score.drift, score.lifetime, score.growth),
              std::make_tuple(Vector3(2.5f, 1.5f, 1.5f), Vector2(0.0f, 0.2f), 2.0f, 1.0f));
    EXPECT_EQ(std::make_tuple(multiplier.position, multiplier.lifetime, multiplier.growth),
              std::make_tuple(Vector3(2.5f, 0.0f, 1.5f), 1.0f, 5.0f));
    game->update(0.5f);
    for (int32_t total : {150, 350, 750, 1550, 3150, 4750, 6350}) {
        run(kPlusX);
        EXPECT_EQ(stats.score, total);
    }
    EXPECT_EQ(texts().back(), "1600") << "at 32 a visit shows its score alone";
    EXPECT_EQ(stats.multiplier, 32);
    EXPECT_FLOAT_EQ(stats.comboTimer, 3.5f);
    run(kMinusX);
    EXPECT_EQ(std::make_pair(stats.score, stats.multiplier), std::make_pair(6350, 32));
    EXPECT_FLOAT_EQ(stats.comboTimer, 3.0f);
    game->update(3.01f);
    EXPECT_EQ(stats.multiplier, 1);
    run(kPlusX);
    run(kPlusX);
    EXPECT_EQ(stats.score, 6400);
}

TEST_F(GameRules, TheGoalScoresOnceAndBeatsACrumblingTile) {
    Board board = boardFromRows({"BBBB", "BSGB", "BBBB"});
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_TRUE(game->die().busy());
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_TRUE(game->levelComplete());
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_EQ(std::make_pair(stats.score, stats.lives), std::make_pair(1050, 3));
    EXPECT_EQ(sounds.played, (Sounds{"Move", "EndLevel"}));
}

// The score, the combo and the texts carry over a lost life; the last one fails the level.
TEST_F(GameRules, ACrumbledTileCostsALifeAndRestartsTheLevel) {
    Board board = corridor();
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    game->execute(kPlusX);
    EXPECT_FALSE(game->update(0.1f));
    EXPECT_EQ(stats.lives, 2);
    EXPECT_EQ(sounds.played, (Sounds{"Move", "Death"}));
    EXPECT_EQ(game->dieCell(), Position(1, 1));
    EXPECT_FALSE(game->die().busy() || tile({2, 1}).visited || game->levelFailed());
    EXPECT_EQ(game->levelClock(), 0.0f);
    EXPECT_EQ(std::make_pair(stats.score, stats.multiplier), std::make_pair(50, 2));
    EXPECT_EQ(texts(), (Texts{"50", "X2!"}));
    stats.lives = 1;
    game->execute(kPlusX);
    game->update(0.1f);
    EXPECT_EQ(stats.lives, 0);
    EXPECT_TRUE(game->levelFailed());
    EXPECT_EQ(stats.score, 150) << "after a restart the tile is new again";
}

// The player's restart costs a life like a fall, even with the die still rolling; a
// paused level is not running and keeps its lives.
TEST_F(GameRules, ARestartCostsALifeOnlyWhileTheLevelRuns) {
    const GameCommand restart(kCommandRestart);
    start(corridor());
    game->execute(kPause);
    EXPECT_TRUE(game->execute(restart));
    EXPECT_EQ(stats.lives, 3);
    game->execute(kPause);
    game->execute(kPlusX);
    game->update(0.1f);
    EXPECT_TRUE(game->execute(restart));
    EXPECT_EQ(stats.lives, 2);
    EXPECT_EQ(sounds.played, (Sounds{"Move", "Death"}));
    EXPECT_EQ(game->dieCell(), Position(1, 1));
    EXPECT_EQ(game->levelClock(), 0.0f);
}

// A border tile never falls, and a die that starts off a tiny board stands on nothing.
TEST_F(GameRules, TheBorderIsSafe) {
    Board board = boardFromRows({"SWW", "WWW", "WWW"});
    for (Tile& t : const_cast<std::vector<Tile>&>(board.tiles())) t.fallStep = 0;
    start(board);
    run(kPlusX);
    game->update(100.0f);
    EXPECT_EQ(game->dieCell(), Position(1, 0));
    start(boardFromRows({"W"}));
    EXPECT_EQ(game->dieCell(), Position(1, 1));
    EXPECT_FALSE(game->update(10.0f));
    EXPECT_TRUE(game->execute(kMinusX));
    EXPECT_EQ(stats.lives, 3);
}

// A level missing from its folder or an index past the list is reported; a game
// without a board refuses every move and keeps its clock at 0.
TEST_F(GameRules, ALevelThatDidNotLoadIsReportedAndInert) {
    TempFolder empty;
    PosixInArchive archive(empty.path());
    for (int32_t index : {0, 2, -1}) {
        LogCapture log;
        GameImpl missing(std::make_unique<RecordingSound>(sounds), &stats, index, {"0_missing", "1_absent"},
                         &archive);
        EXPECT_FALSE(missing.loaded()) << index;
        EXPECT_EQ(log.lines().size(), 1u) << index;
    }
    game = std::make_unique<GameImpl>(std::make_unique<RecordingSound>(sounds), &stats, 0, nullptr);
    EXPECT_FALSE(game->loaded());
    EXPECT_EQ(game->board(), nullptr);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->update(1.0f));
    EXPECT_EQ(game->levelClock(), 0.0f);
    EXPECT_EQ(game->dieCell(), Position(1, 1));
    EXPECT_EQ(sounds.played, (Sounds{"Failed"}));
}

TEST_F(GameRules, AnExtraLifeIsGivenAtOnceAndUnknownPickUpsAreCleared) {
    start(corridor({{2, kPickupExtraLife}, {3, kPickupLast}, {4, 77}}));
    game->execute(kPlusX);
    EXPECT_EQ(stats.lives, 4);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(sounds.played, (Sounds{"Move", "LifeJingle"}));
    EXPECT_EQ(texts(), (Texts{"Extra Life!", "50", "X2!"}));
    const FloatingText& text = game->floatingTexts().entries()[0];
    EXPECT_EQ(std::make_tuple(text.position, text.growth, text.lifetime),
              std::make_tuple(Vector3(2.5f, 1.5f, 1.5f), 5.0f, 1.0f));
    game->update(0.5f);
    run(kPlusX);
    run(kPlusX);
    for (int x : {2, 3, 4}) EXPECT_EQ(tile({x, 1}).pickup, kPickupNone) << x;
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(sounds.played, (Sounds{"Move", "LifeJingle", "Move", "Move"}));
}

// The clock stands for five seconds while the combo runs out on real time; a second
// stop queues behind the first and ticks again when its turn comes. Deleting an effect
// stops its ticking, whether it ran out or the game ended.
TEST_F(GameRules, StopTimeHoldsTheClockForFiveSecondsAndASecondOneQueues) {
    start(corridor({{2, kPickupStopTime}, {3, kPickupStopTime}}));
    game->update(7.0f);
    run(kPlusX);
    run(kPlusX);
    ASSERT_EQ(game->actions().size(), 2u);
    EXPECT_FLOAT_EQ(game->actions()[0]->progress(), 0.2f);
    EXPECT_EQ(game->actions()[1]->progress(), 0.0f);
    for (int i = 2; i < 20; ++i) game->update(0.5f);
    EXPECT_EQ(game->levelClock(), 7.0f);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(stats.multiplier, 1);
    game->update(0.5f);
    EXPECT_EQ(game->levelClock(), 7.5f);
    EXPECT_EQ(sounds.played, (Sounds{"Move", "TickTock", "Move", "TickTock", "TickTock"}));
    EXPECT_EQ(sounds.stopped, (std::vector<int>{1, 4}));
    start(corridor({{2, kPickupStopTime}}));
    game->execute(kPlusX);
    game.reset();
    EXPECT_EQ(sounds.stopped, (std::vector<int>{1, 4, 6}));
}

TEST_F(GameRules, ReverseTimeRaisesCrumbledTiles) {
    Board board = corridor({{2, kPickupReverseTime}});
    board.tileAt({3, 1}).fallStep = 1;
    start(board);
    game->update(3.0f);
    ASSERT_TRUE(game->board()->isFallen({3, 1}, game->levelClock()));
    game->execute(kPlusX);
    game->update(0.5f);
    EXPECT_EQ(game->levelClock(), 2.5f);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ(sounds.played.back(), "Failed");
    game->update(0.5f);
    EXPECT_FALSE(game->board()->isFallen({3, 1}, game->levelClock()));
    for (int i = 0; i < 8; ++i) game->update(0.5f);
    EXPECT_EQ(game->levelClock(), -2.0f);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_TRUE(run(kPlusX));
    EXPECT_EQ(game->dieCell(), Position(3, 1));
}

}  // namespace
}  // namespace nimbus
