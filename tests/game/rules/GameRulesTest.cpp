// The rules object: moves, scoring, crumbling tiles, lives and pick-ups.
#include <sstream>
#include <tuple>

#include "core/posix/PosixInArchive.h"
#include "game/rules/StopTimeAction.h"
#include "support/GameFixture.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const GameCommand kPlusX(kCommandRollPlusX), kMinusX(kCommandRollMinusX), kMinusY(kCommandRollMinusY);
const GameCommand kPause(kCommandTogglePause);

GameCommand toCell(int32_t x, int32_t y) { return GameCommand(kCommandRollToCell, x, y); }

// White tiles from the Start at (1, 1) to x = 6 in a Black ring, pick-ups on the cells given.
Board corridor(std::initializer_list<std::pair<int32_t, int32_t>> pickups = {}) {
    Board board = boardFromRows({"BBBBBBBB", "BSWWWWWB", "BBBBBBBB"});
    for (const auto& [x, kind] : pickups) board.tileAt({x, 1}).pickup = kind;
    return board;
}

class GameRules : public GameFixture {
protected:
    // The die's cell, score and multiplier, combo timer (c), lives (L), clock (s), the level's
    // state, the floating texts and the sounds played since the last look.
    std::string look() {
        std::ostringstream out;
        out << game->dieCell().text() << (game->die().busy() ? " turning " : " ") << stats.score << " x"
            << stats.multiplier << " c" << stats.comboTimer << " " << stats.lives << "L "
            << game->levelClock() << "s" << (game->paused() ? " paused" : "")
            << (game->levelComplete() ? " complete" : "") << (game->levelFailed() ? " failed" : "") << " |";
        for (const std::string& text : texts()) out << " " << text;
        out << " |";
        for (; heard_ < sounds.played.size(); ++heard_) out << " " << sounds.played[heard_];
        return out.str();
    }
    std::string text(size_t index) const {
        const FloatingText& t = game->floatingTexts().entries()[index];
        std::ostringstream out;
        out << t.text << " at " << t.position.x << " " << t.position.y << " " << t.position.z << " drifting "
            << t.drift.x << " " << t.drift.y << " for " << t.lifetime << " s, growing " << t.growth;
        return out.str();
    }

    size_t heard_ = 0;
};

// The die's +x face is Green (1) at the start; a move needs a standing tile of its colour
// inside the board, and a click names a neighbour. Off the edge of a board without a ring the
// board is never read, and a die that starts off a tiny board stands on nothing. A refused
// command is used up all the same. (A crumbled target: ReverseTimeRaisesCrumbledTiles.)
TEST_F(GameRules, MovesAndClicksNeedAMatchingStandingNeighbourInsideTheBoard) {
    const std::vector<std::string> open = {"WWWW", "WSWW", "WWWW", "WWWW"};
    const std::tuple<std::vector<std::string>, std::vector<GameCommand>, const char*> cases[] = {
        {{"BBBBB", "BS0BB", "BBBBB"}, {kPlusX}, "<1, 1> 0 x1 c-0.5 3L 0.5s | | Failed"},
        {{"BBBBB", "BS1BB", "BBBBB"}, {kPlusX}, "<2, 1> 50 x2 c3.5 3L 0.5s | 50 X2! | Move"},
        {{"SWW", "WWW"},
         {kMinusX, kMinusY, toCell(-1, 0), GameCommand(99)},
         "<0, 0> 50 x2 c1.5 3L 2s | | Failed Failed Failed Failed"},
        {open,
         {toCell(2, 2), toCell(3, 1), toCell(1, 1), toCell(1, 3)},
         "<1, 1> 50 x1 c-0.5 3L 2s | | Failed Failed Failed Failed"},
        {open,
         {toCell(2, 1), toCell(2, 2), toCell(1, 2), toCell(0, 2)},
         "<0, 2> 800 x16 c3.5 3L 2s | 100 200 400 X16! | Move Move Move Move"},
        {{"W"}, {kMinusX}, "<1, 1> 800 x16 c3 3L 0.5s | | Failed"},
    };
    for (const auto& [rows, commands, after] : cases) {
        start(boardFromRows(rows));
        for (const GameCommand& command : commands) EXPECT_TRUE(run(command));
        EXPECT_EQ(look(), after);
    }
}

TEST_F(GameRules, CommandsWaitForTheTurningDie) {
    start(corridor());
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(kPlusX));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    for (int i = 0; i < 27; ++i) game->update(1.0f / 60.0f);
    EXPECT_TRUE(game->execute(kPlusX));
    game->update(0.5f);
    EXPECT_TRUE(game->execute(GameCommand(kCommandTwist1)));
    EXPECT_FALSE(game->execute(GameCommand(kCommandTwist0)));
    EXPECT_TRUE(game->execute(GameCommand()));
    EXPECT_EQ(look(), "<3, 1> turning 150 x4 c3.5 3L 0.95s | 50 X2! 100 X4! | Move Move Twist");
    EXPECT_EQ(game->die().face(kSlotPlusX), kYellow);
    EXPECT_EQ(game->commands(), 3) << "the rolls and the twist the die made";
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
    EXPECT_FALSE(game->update(10.0f));
    EXPECT_EQ(frozen(), before);
    game->execute(kPause);
    game->update(1.0f);
    EXPECT_GT(game->actions()[0]->progress(), std::get<4>(before));
}

// The multiplier falls back to 1 once its timer runs out; a visited tile scores nothing;
// changes show as texts, and at 32 a visit shows its score alone.
TEST_F(GameRules, NewTilesScoreWithADoublingMultiplierCappedAt32) {
    start(boardFromRows({"BBBBBBBBBBBB", "BSWWWWWWWWWB", "BBBBBBBBBBBB"}));
    game->execute(kPlusX);
    EXPECT_EQ(text(0) + ", " + text(1),
              "50 at 2.5 1.5 1.5 drifting 0 0.2 for 2 s, growing 1, X2! at 2.5 0 1.5 drifting 0 0 for 1 s, "
              "growing 5");
    game->update(0.5f);
    std::string scores;
    for (int i = 0; i < 7; ++i) {
        run(kPlusX);
        scores += " " + std::to_string(stats.score);
    }
    EXPECT_EQ(scores, " 150 350 750 1550 3150 4750 6350");
    EXPECT_EQ(look(),
              "<9, 1> 6350 x32 c3.5 3L 4s | 1600 1600 1600 | Move Move Move Move Move Move Move Move");
    run(kMinusX);
    EXPECT_EQ(look(), "<8, 1> 6350 x32 c3 3L 4.5s | 1600 1600 | Move");
    game->update(3.01f);
    run(kPlusX);
    run(kPlusX);
    EXPECT_EQ(look(), "<10, 1> 6400 x2 c3.5 3L 8.51s | 50 X2! | Move Move");
}

TEST_F(GameRules, TheGoalScoresOnceAndBeatsACrumblingTile) {
    Board board = boardFromRows({"BBBB", "BSGB", "BBBB"});
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_EQ(look(), "<2, 1> turning 1050 x2 c4 3L 0.0166667s complete | 50 X2! | Move EndLevel");
    EXPECT_TRUE(game->update(1.0f / 60.0f));
    EXPECT_EQ(look(), "<2, 1> turning 1050 x2 c4 3L 0.0166667s complete | 50 X2! |");
}

// Score, combo and texts outlive a lost life; the last fails the level. A restart costs a
// life even mid-roll; a paused level keeps its lives.
TEST_F(GameRules, ACrumbledTileOrARestartCostsALifeAndRestartsTheLevel) {
    Board board = corridor();
    board.tileAt({2, 1}).fallStep = 0;
    start(board);
    game->execute(kPlusX);
    EXPECT_FALSE(game->update(0.1f));
    EXPECT_EQ(look(), "<1, 1> 50 x2 c3.9 2L 0s | 50 X2! | Move Death");
    stats.lives = 1;
    game->execute(kPlusX);
    game->update(0.1f);
    EXPECT_EQ(look(), "<1, 1> 150 x4 c3.9 0L 0s failed | 50 X2! 100 X4! | Move Death")
        << "after a restart the tile is new again";

    const GameCommand restart(kCommandRestart);
    stats = PlayerStats();
    start(corridor());
    game->execute(kPause);
    EXPECT_TRUE(game->execute(restart));
    EXPECT_EQ(look(), "<1, 1> 0 x1 c0 3L 0s paused | |");
    game->execute(kPause);
    game->execute(kPlusX);
    game->update(0.1f);
    EXPECT_TRUE(game->execute(restart));
    EXPECT_EQ(look(), "<1, 1> 50 x2 c3.9 2L 0s | 50 X2! | Move Death");
    EXPECT_EQ(game->commands(), 0) << "counted again from the restart";
}

TEST_F(GameRules, ABorderTileNeverFalls) {
    Board board = boardFromRows({"SWW", "WWW", "WWW"});
    for (Tile& t : const_cast<std::vector<Tile>&>(board.tiles())) t.fallStep = 0;
    start(board);
    run(kPlusX);
    game->update(100.0f);
    EXPECT_EQ(look(), "<1, 0> 50 x1 c-96.5 3L 100.5s | | Move");
}

// A missing level or an index past the list is reported; without a board the clock stays at 0.
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
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_FALSE(game->update(1.0f));
    EXPECT_EQ(look(), "<1, 1> 0 x1 c0 3L 0s | | Failed");
}

TEST_F(GameRules, AnExtraLifeIsGivenAtOnceAndUnknownPickUpsAreCleared) {
    start(corridor({{2, kPickupExtraLife}, {3, kPickupLast}, {4, 77}}));
    game->execute(kPlusX);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(text(0), "Extra Life! at 2.5 1.5 1.5 drifting 0 0 for 1 s, growing 5");
    EXPECT_EQ(look(), "<2, 1> turning 50 x2 c4 4L 0s | Extra Life! 50 X2! | Move LifeJingle");
    game->update(0.5f);
    run(kPlusX);
    run(kPlusX);
    for (int x : {2, 3, 4}) EXPECT_EQ(tile({x, 1}).pickup, kPickupNone) << x;
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(look(), "<4, 1> 350 x8 c3.5 4L 1.5s | 50 100 200 X8! | Move Move");
}

// The combo runs out on real time while the clock stands; a second stop ticks when its turn
// comes; deleting an effect stops its ticking, whether it ran out or the game ended.
TEST_F(GameRules, StopTimeHoldsTheClockForFiveSecondsAndASecondOneQueues) {
    start(corridor({{2, kPickupStopTime}, {3, kPickupStopTime}}));
    game->update(7.0f);
    run(kPlusX);
    run(kPlusX);
    ASSERT_EQ(game->actions().size(), 2u);
    EXPECT_FLOAT_EQ(game->actions()[0]->progress(), 0.2f);
    EXPECT_EQ(game->actions()[1]->progress(), 0.0f);
    for (int i = 2; i < 20; ++i) game->update(0.5f);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_EQ(look(), "<3, 1> 150 x1 c-5.5 3L 7s | | Move TickTock Move TickTock TickTock");
    game->update(0.5f);
    EXPECT_EQ(look(), "<3, 1> 150 x1 c-6 3L 7.5s | |");
    EXPECT_EQ(sounds.stopped, (std::vector<int>{1, 4}));
    SoundLog alone;
    RecordingSound first(alone);
    StopTimeAction(first).begin(*game);
    EXPECT_EQ(alone.stopped, (std::vector<int>{0})) << "ticking on the first channel";
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
    EXPECT_TRUE(game->execute(kPlusX));
    EXPECT_EQ(look(), "<2, 1> 50 x2 c3.5 3L 2.5s | Time Reverse! 50 X2! | Move TickTock Failed")
        << "the fallen tile is refused";
    game->update(0.5f);
    EXPECT_FALSE(game->board()->isFallen({3, 1}, game->levelClock()));
    for (int i = 0; i < 8; ++i) game->update(0.5f);
    EXPECT_TRUE(game->actions().empty());
    EXPECT_TRUE(run(kPlusX));
    EXPECT_EQ(look(), "<3, 1> 100 x2 c3.5 3L -1.5s | 50 X2! | Move");
}

}  // namespace
}  // namespace nimbus
