#include "core/posix/PosixInArchive.h"
#include "support/GameFixture.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const GameCommand kPlusX(kCommandRollPlusX);
const GameCommand kMinusX(kCommandRollMinusX);
const GameCommand kPlusY(kCommandRollPlusY);
const GameCommand kMinusY(kCommandRollMinusY);

// A corridor of White tiles from the Start at (1, 1) to x = 6, inside a Black ring.
Board corridor() { return boardFromRows({"BBBBBBBB", "BSWWWWWB", "BBBBBBBB"}); }

using GameRules = GameFixture;

TEST_F(GameRules, StartsOnTheFirstStartTileOrAtOneOne) {
    Board board = boardFromRows({"WWWW", "WWWS", "WSWW"});
    start(board);
    EXPECT_TRUE(game->loaded());
    EXPECT_EQ(Position(3, 1), game->dieCell());
    EXPECT_EQ(0.0f, game->levelClock());
    start(boardFromRows({"WWW", "WWW", "WWW"}));
    EXPECT_EQ(Position(1, 1), game->dieCell());
}

TEST_F(GameRules, MovesNeedAMatchingStandingTileInsideTheBoard) {
    // The die's +x face is Green (1) at the start.
    start(boardFromRows({"BBBBB", "BS0BB", "BBBBB"}));
    EXPECT_TRUE(run(kPlusX));
    EXPECT_EQ(Position(1, 1), game->dieCell());
    start(boardFromRows({"BBBBB", "BS1BB", "BBBBB"}));
    EXPECT_TRUE(run(kPlusX));
    EXPECT_EQ(Position(2, 1), game->dieCell());
    EXPECT_EQ((Sounds{"Failed", "Move"}), sounds.played);

    // A crumbled target is refused like a wrong colour.
    Board board = corridor();
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    game->update(0.1f);
    sounds.played.clear();
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ(Position(1, 1), game->dieCell());
    EXPECT_EQ((Sounds{"Failed"}), sounds.played);

    // Off the edge of a board without a ring: refused, and the board is never read there.
    start(boardFromRows({"SWW", "WWW"}));
    sounds.played.clear();
    EXPECT_TRUE(game->execute(kMinusX));
    EXPECT_TRUE(game->execute(kMinusY));
    EXPECT_TRUE(game->execute(GameCommand(kCommandRollToCell, -1, 0)));
    EXPECT_TRUE(game->execute(GameCommand(99)));
    EXPECT_EQ(Position(0, 0), game->dieCell());
    EXPECT_EQ(Sounds(4, "Failed"), sounds.played);
}

TEST_F(GameRules, ClickedCellMustBeANeighbour) {
    start(boardFromRows({"WWWW", "WSWW", "WWWW", "WWWW"}));
    for (const Position& cell : {Position(2, 2), Position(3, 1), Position(1, 1), Position(1, 3)}) {
        EXPECT_TRUE(game->execute(GameCommand(kCommandRollToCell, cell.x, cell.y)));
    }
    EXPECT_EQ(Sounds(4, "Failed"), sounds.played);
    EXPECT_EQ(Position(1, 1), game->dieCell());
    const Position route[] = {{2, 1}, {2, 2}, {1, 2}, {0, 2}};
    for (const Position& cell : route) {
        EXPECT_TRUE(run(GameCommand(kCommandRollToCell, cell.x, cell.y)));
        EXPECT_EQ(cell, game->dieCell());
    }
}

TEST_F(GameRules, CommandsWaitForTheTurningDie) {
    start(corridor());
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    EXPECT_EQ((Sounds{"Move"}), sounds.played);
    for (int i = 0; i < 27; ++i) game->update(1.0f / 60.0f);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ(Position(3, 1), game->dieCell());
    game->update(0.5f);
    EXPECT_TRUE(game->execute(GameCommand(kCommandTwist1)));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    EXPECT_TRUE(game->execute(GameCommand()));
    EXPECT_EQ((Sounds{"Move", "Move", "Twist"}), sounds.played);
    EXPECT_EQ(kYellow, game->die().face(kSlotPlusX));
}

TEST_F(GameRules, PauseFreezesEverythingButCommands) {
    start(corridor());
    game->execute(kPlusX);
    game->update(0.1f);
    const float clock = game->levelClock();
    const float age = game->floatingTexts().entries()[0].age;
    const float angle = game->die().angle();
    const float timer = stats.comboTimer;
    EXPECT_TRUE(game->execute(GameCommand(kCommandTogglePause)));
    EXPECT_TRUE(game->paused());
    EXPECT_FALSE(game->update(1.0f));
    EXPECT_EQ(clock, game->levelClock());
    EXPECT_EQ(angle, game->die().angle());
    EXPECT_EQ(timer, stats.comboTimer);
    EXPECT_EQ(age, game->floatingTexts().entries()[0].age);
    game->execute(GameCommand(kCommandTogglePause));
    game->update(1.0f);
    EXPECT_EQ(clock + 1.0f, game->levelClock());
}

TEST_F(GameRules, NewTilesScoreWithADoublingMultiplierCappedAt32) {
    start(boardFromRows({"BBBBBBBBBBBB", "BSWWWWWWWWWB", "BBBBBBBBBBBB"}));
    const int32_t expected[] = {50, 150, 350, 750, 1550, 3150, 4750, 6350};
    for (int32_t total : expected) {
        run(kPlusX);
        EXPECT_EQ(total, stats.score);
    }
    EXPECT_EQ(32, stats.multiplier);
    EXPECT_FLOAT_EQ(3.5f, stats.comboTimer);
    // Rolling back onto a visited tile changes nothing but the timer's running down.
    run(kMinusX);
    EXPECT_EQ(6350, stats.score);
    EXPECT_EQ(32, stats.multiplier);
    EXPECT_FLOAT_EQ(3.0f, stats.comboTimer);
    // Once the timer has run out the multiplier starts again at 1.
    game->update(3.01f);
    EXPECT_EQ(1, stats.multiplier);
    run(kPlusX);
    run(kPlusX);
    EXPECT_EQ(6400, stats.score);
}

TEST_F(GameRules, ScoreAndMultiplierChangesShowAsTexts) {
    start(boardFromRows({"BBBBBBBBBB", "BSWWWWWWWW", "BBBBBBBBBB"}));
    game->execute(kPlusX);
    ASSERT_EQ((std::vector<std::string>{"50", "X2!"}), texts());
    const FloatingText& score = game->floatingTexts().entries()[0];
    EXPECT_EQ(Vector3(2.5f, 1.5f, 1.5f), score.position);
    EXPECT_EQ(Vector2(0.0f, 0.2f), score.drift);
    EXPECT_EQ(2.0f, score.lifetime);
    EXPECT_EQ(1.0f, score.growth);
    const FloatingText& multiplier = game->floatingTexts().entries()[1];
    EXPECT_EQ(Vector3(2.5f, 0.0f, 1.5f), multiplier.position);
    EXPECT_EQ(1.0f, multiplier.lifetime);
    EXPECT_EQ(5.0f, multiplier.growth);
    // At 32 a visit shows its score alone.
    stats.multiplier = 32;
    game->update(2.5f);
    game->execute(kPlusX);
    EXPECT_EQ((std::vector<std::string>{"1600"}), texts());
}

TEST_F(GameRules, GoalScoresOnceAndBeatsACrumblingTile) {
    Board board = boardFromRows({"BBBB", "BSGB", "BBBB"});
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_TRUE(game->die().busy());
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_TRUE(game->levelComplete());
    EXPECT_EQ(1050, stats.score);
    EXPECT_EQ(3, stats.lives);
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_EQ(1050, stats.score);
    EXPECT_EQ((Sounds{"Move", "EndLevel"}), sounds.played);
}

TEST_F(GameRules, CrumbledTileCostsALifeAndRestartsTheLevel) {
    Board board = corridor();
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    game->execute(kPlusX);
    EXPECT_FALSE(game->update(0.1f));
    EXPECT_EQ(2, stats.lives);
    EXPECT_EQ((Sounds{"Move", "Death"}), sounds.played);
    EXPECT_EQ(Position(1, 1), game->dieCell());
    EXPECT_FALSE(game->die().busy());
    EXPECT_EQ(0.0f, game->levelClock());
    EXPECT_FALSE(tile({2, 1}).visited);
    // The score, the combo and the texts carry over.
    EXPECT_EQ(50, stats.score);
    EXPECT_EQ(2, stats.multiplier);
    EXPECT_EQ((std::vector<std::string>{"50", "X2!"}), texts());
    EXPECT_FALSE(game->levelFailed());

    // The last life: lives stop at 0 and the level is failed.
    stats.lives = 1;
    game->execute(kPlusX);
    game->update(0.1f);
    EXPECT_EQ(0, stats.lives);
    EXPECT_TRUE(game->levelFailed());
    EXPECT_EQ(150, stats.score);  // after a restart the tile is new again
}

TEST_F(GameRules, DieOnTheBorderIsSafe) {
    Board board = boardFromRows({"SWW", "WWW", "WWW"});
    for (Tile& t : const_cast<std::vector<Tile>&>(board.tiles())) t.fallStep = 0;
    start(board);
    run(kPlusX);
    game->update(100.0f);
    EXPECT_EQ(3, stats.lives);
    EXPECT_EQ(Position(1, 0), game->dieCell());
}

// A level missing from its folder or an index past the list is reported; a game
// without a board refuses every move and keeps its clock at 0.
TEST_F(GameRules, LevelThatDidNotLoadIsReportedAndInert) {
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
    EXPECT_EQ(nullptr, game->board());
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->update(1.0f));
    EXPECT_EQ(0.0f, game->levelClock());
    EXPECT_EQ(Position(1, 1), game->dieCell());
    EXPECT_EQ((Sounds{"Failed"}), sounds.played);
}

TEST_F(GameRules, DieStartingOffATinyBoardStandsOnNothing) {
    start(boardFromRows({"W"}));
    EXPECT_EQ(Position(1, 1), game->dieCell());
    EXPECT_FALSE(game->update(10.0f));
    EXPECT_TRUE(game->execute(kMinusX));
    EXPECT_EQ(3, stats.lives);
}

}  // namespace
}  // namespace nimbus
