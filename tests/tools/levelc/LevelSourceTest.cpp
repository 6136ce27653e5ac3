// The level compiler: the source reader, its refusals, the compiled map and the check
// that no tile can strand the die.
#include <gtest/gtest.h>

#include "LevelCompiler.h"
#include "LevelSource.h"
#include "StrandCheck.h"
#include "core/posix/FileInBuffer.h"
#include "game/rules/LevelMap.h"
#include "game/rules/LevelModel.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

const char* const kFull = R"(# a comment line
title Two Waves
teaches waves and pick-ups

tiles
k k k k k k k
k S w r g w k   # trailing comments are fine
k w . b y w k
k w w w w G k
k k k k k k k

falls
- - - - - - -
- - 3 A A A -
- B - - A A -
- B B B 0 - -
- - - - - - -

wave A from 5 3 at 1 every 2
wave B along -x at 4

pickups
. . . . . . .
. . s . . . .
. + . . . r .
. . . . . . .
. . . . . . .
)";

// Wave A falls by the distance from (5, 3), halved, after step 1; wave B runs from the
// last column towards column 0. The compiled map reads back as the same board.
TEST(LevelSource, ReadsColoursFallsWavesAndPickupsAndCompilesToTheSameBoard) {
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::parse(kFull, "full.level", level));
    EXPECT_EQ(level.title, "Two Waves");
    EXPECT_EQ(level.teaches, "waves and pick-ups");
    const Board& b = level.board;
    ASSERT_EQ(std::make_pair(b.width(), b.length()), std::make_pair(7, 5));
    const std::tuple<Position, int32_t, int32_t, int32_t> tiles[] = {
        {{1, 1}, kStart, -1, kPickupNone},
        {{3, 1}, kRed, 1 + 4 / 2, kPickupNone},
        {{2, 2}, kUndefined, -1, kPickupNone},
        {{4, 2}, kYellow, 1 + 2 / 2, kPickupNone},
        {{5, 3}, kGoal, -1, kPickupNone},
        {{0, 0}, kBlack, -1, kPickupNone},
        {{2, 1}, kWhite, 3, kPickupStopTime},
        {{4, 3}, kWhite, 0, kPickupNone},
        {{5, 2}, kWhite, 1 + 1 / 2, kPickupReverseTime},
        {{1, 2}, kWhite, 4 + 5, kPickupExtraLife},
        {{3, 3}, kWhite, 4 + 3, kPickupNone}};
    for (const auto& [p, color, fallStep, pickup] : tiles) {
        const Tile& tile = b.tileAt(p);
        EXPECT_EQ(std::make_tuple(tile.color, tile.fallStep, tile.pickup),
                  std::make_tuple(color, fallStep, pickup))
            << p.text();
    }
    TempFolder folder;
    ASSERT_TRUE(writeLevel(level, folder.file("Level.map")));
    FileInBuffer in;
    ASSERT_TRUE(in.open(folder.file("Level.map")));
    Board back;
    ASSERT_TRUE(readLevelMap(in, back));
    ASSERT_EQ(back.width(), b.width());
    EXPECT_EQ(back.tiles(), b.tiles());
    LogCapture errors;
    EXPECT_FALSE(writeLevel(level, "/nonexistent-dir/Level.map"));
    EXPECT_EQ(errors.lines().size(), 1u);
}

std::string logged(const std::string& message) { return "Error: " + message + "\n"; }

// A start and a goal in a ring of black tiles, lines 1 to 4, and grids for it after a gap.
const std::string kRing = "tiles\nk k k k\nk S G k\nk k k k\n";
const std::string kFalls = kRing + "\nfalls\n- - - -\n";
const std::string kWave = kFalls + "- - - -\n- - - -\nwave A along x at 1";

// The source and the whole line its refusal logs.
const std::pair<std::string, const char*> kBadSources[] = {
    {kRing + "\nfloor\n", "bad.level:6: unknown statement 'floor'"},
    {"tiles\nk k k k\nk S G\nk k k k\n", "bad.level:3: tiles row has 3 cells, the tiles have 4"},
    {"tiles\nk k k k\nk S q k\nk k k k\n", "bad.level:3: unknown tile 'q'"},
    {"tiles\nk k k k\nk S G w\nk k k k\n", "bad.level:3: edge tile <3, 1> lets the die off the board"},
    {"tiles\nk k k k\nk S S G\nk k k k\n", "bad.level:1: a level has exactly one start, not 2"},
    {"tiles\nk k k k\nk S w k\nk k k k\n", "bad.level:1: a level needs a goal"},
    {"tiles\nk k k\nk S G\n", "bad.level:1: a board is 3 to 64 cells on each side"},
    {"title\n" + kRing, "bad.level:1: title needs a text"},
    {kRing + "tiles\n", "bad.level:5: tiles given twice (first on line 1)"},
    {kFalls + "- - 2 -\n- 1 - -\n", "bad.level:9: border tile <1, 2> never falls; write -"},
    {kFalls + "- - x -\n- - - -\n", "bad.level:8: no wave x"},
    {kFalls + "- - -1 -\n- - - -\n",
     "bad.level:8: a fall step is '-', a number 0 to 100000 or a wave letter, not '-1'"},
    {kFalls + "- - - -\n", "bad.level:6: falls has 2 rows, the tiles 3"},
    {kRing + "wave A along z at 1\n",
     "bad.level:5: a wave reads: wave L from X Y at N [every E] | wave L along x|-x|y|-y at N [every E]"},
    {kRing + "wave A along x at 1\n", "bad.level:5: a wave needs a falls grid to place it"},
    {kWave + " every 0\n",
     "bad.level:10: a wave reads: wave L from X Y at N [every E] | wave L along x|-x|y|-y at N [every E]"},
    {kWave + "\n", "bad.level:10: wave A is never used"},
    {kRing + "\npickups\n. . . .\n. . . .\n. + . .\n",
     "bad.level:9: extra life pick-up on <1, 2>, which the die cannot enter"},
    {kRing + "\npickups\n. . . .\n. . z .\n. . . .\n", "bad.level:8: unknown pick-up 'z'"},
    {"# nothing but a comment\n", "bad.level:1: no tiles grid"}};

TEST(LevelSource, BadSourcesAreRefusedWithFileAndLine) {
    {
        LogCapture errors;
        LevelSource level;
        EXPECT_FALSE(LevelSourceParser::read("/nonexistent/01.level", level));
        EXPECT_EQ(std::vector<std::string>{logged("/nonexistent/01.level: cannot be opened")},
                  errors.lines());
    }
    for (const auto& [text, message] : kBadSources) {
        LogCapture errors;
        LevelSource level;
        level.title = "kept";
        EXPECT_FALSE(LevelSourceParser::parse(text, "bad.level", level)) << text;
        EXPECT_EQ(std::vector<std::string>{logged(message)}, errors.lines()) << text;
        EXPECT_EQ("kept", level.title);
    }
}

// A 34 x 5 board with `clocks` stop-time pick-ups on its white tiles, row by row.
std::string clockPickupLevel(int clocks) {
    std::string tiles = "tiles\n", pickups = "\npickups\n";
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 34; ++x) {
            const bool inner = x > 0 && x < 33 && y > 0 && y < 4;
            const char tile = !inner ? 'k' : (x == 1 && y == 1) ? 'S' : (x == 32 && y == 3) ? 'G' : 'w';
            const bool carries = tile == 'w' && clocks-- > 0;
            tiles += std::string(1, tile) + (x < 33 ? " " : "\n");
            pickups += std::string(carries ? "s" : ".") + (x < 33 ? " " : "\n");
        }
    }
    return tiles + pickups;
}

// The solver tells collected clock pick-ups apart by one bit each.
TEST(LevelSource, AtMostSixtyFourClockPickups) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(clockPickupLevel(64), "many.level", level));
    LogCapture errors;
    EXPECT_FALSE(LevelSourceParser::parse(clockPickupLevel(65), "many.level", level));
    EXPECT_EQ(
        std::vector<std::string>{logged("many.level:12: more than 64 stop time and reverse time pick-ups")},
        errors.lines());
}

Board board(const std::string& text) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
    return level.board;
}

// Rolling right from the start lands green on the red tile and is refused, but two
// twists bring red round to the front first. On the red tile green is then on top, and
// the only way off is back down onto green.
const std::string kRedPocket = "tiles\nk k k k k k\nk S r k k k\nk y g w w G\nk k k k k k\n\n";

// Whether the level can strand the die, and where.
bool strands(const std::string& falls, Position& where) {
    return canStrand(board(kRedPocket + "falls\n- - - - - -\n" + falls + "- - - - - -\n"),
                     DieTurns(kFrameSeconds), where);
}

TEST(StrandCheck, PocketTheDieCannotLeaveStrandsItUnlessItsTileFalls) {
    Position where;
    ASSERT_TRUE(strands("- - - - - -\n- - - - - -\n", where));
    EXPECT_EQ(Position(2, 1), where);
    // Once the pocket crumbles a die left there loses a life and starts again.
    EXPECT_FALSE(strands("- - 30 - - -\n- - - - - -\n", where));
}

TEST(StrandCheck, WhereTheFloorCrumblesEveryStandingTileNeedsAStandingWayOn) {
    Position where;
    // The start stands for good while everything around it falls.
    ASSERT_TRUE(strands("- - 9 - - -\n- 5 5 6 7 -\n", where));
    EXPECT_EQ(Position(1, 1), where);
    EXPECT_FALSE(strands("- 9 9 - - -\n- 5 5 6 7 -\n", where));
    // A last white tile that stands for good is safe: the goal is one roll away.
    EXPECT_FALSE(strands("- 9 9 - - -\n- 5 5 6 - -\n", where));
}

}  // namespace
}  // namespace nimbus
