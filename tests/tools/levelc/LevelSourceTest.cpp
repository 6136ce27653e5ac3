#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include "support/LogCapture.h"
#include "LevelCompiler.h"
#include "LevelSource.h"
#include "core/posix/FileInBuffer.h"
#include "game/rules/LevelMap.h"

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

TEST(LevelSource, ReadsColoursFallsWavesAndPickups) {
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::parse(kFull, "full.level", level));
    EXPECT_EQ("Two Waves", level.title);
    EXPECT_EQ("waves and pick-ups", level.teaches);
    const Board& b = level.board;
    ASSERT_EQ(7, b.width());
    ASSERT_EQ(5, b.length());
    EXPECT_EQ(kStart, b.tileAt({1, 1}).color);
    EXPECT_EQ(kRed, b.tileAt({3, 1}).color);
    EXPECT_EQ(kUndefined, b.tileAt({2, 2}).color);
    EXPECT_EQ(kYellow, b.tileAt({4, 2}).color);
    EXPECT_EQ(kGoal, b.tileAt({5, 3}).color);
    EXPECT_EQ(kBlack, b.tileAt({0, 0}).color);

    EXPECT_EQ(-1, b.tileAt({1, 1}).fallStep);
    EXPECT_EQ(3, b.tileAt({2, 1}).fallStep);
    EXPECT_EQ(0, b.tileAt({4, 3}).fallStep);
    // Wave A: distance from (5, 3), halved, after step 1.
    EXPECT_EQ(1 + 4 / 2, b.tileAt({3, 1}).fallStep);
    EXPECT_EQ(1 + 1 / 2, b.tileAt({5, 2}).fallStep);
    EXPECT_EQ(1 + 2 / 2, b.tileAt({4, 2}).fallStep);
    // Wave B runs from the last column towards column 0.
    EXPECT_EQ(4 + 5, b.tileAt({1, 2}).fallStep);
    EXPECT_EQ(4 + 3, b.tileAt({3, 3}).fallStep);

    EXPECT_EQ(kPickupStopTime, b.tileAt({2, 1}).pickup);
    EXPECT_EQ(kPickupExtraLife, b.tileAt({1, 2}).pickup);
    EXPECT_EQ(kPickupReverseTime, b.tileAt({5, 2}).pickup);
    EXPECT_EQ(kPickupNone, b.tileAt({3, 1}).pickup);
}

TEST(LevelSource, CompiledMapReadsBackAsTheSameBoard) {
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::parse(kFull, "full.level", level));
    char path[] = "/tmp/nimbus-levelc-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    ASSERT_TRUE(writeLevel(level, path));
    FileInBuffer in;
    ASSERT_TRUE(in.open(path));
    Board back;
    ASSERT_TRUE(readLevelMap(in, back));
    std::remove(path);
    ASSERT_EQ(level.board.width(), back.width());
    EXPECT_EQ(level.board.tiles(), back.tiles());

    LogCapture errors;
    EXPECT_FALSE(writeLevel(level, "/nonexistent-dir/Level.map"));
    EXPECT_EQ(1u, errors.lines().size());
}

std::string logged(const std::string& message) { return "Error: " + message + "\n"; }

struct BadSource {
    const char* text;
    const char* message;  // the whole line the refusal logs
};

// Each source is "tiles" and a ring around one row unless it says otherwise.
const BadSource kBadSources[] = {
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfloor\n", "bad.level:6: unknown statement 'floor'"},
    {"tiles\nk k k k\nk S G\nk k k k\n", "bad.level:3: tiles row has 3 cells, the tiles have 4"},
    {"tiles\nk k k k\nk S q k\nk k k k\n", "bad.level:3: unknown tile 'q'"},
    {"tiles\nk k k k\nk S G w\nk k k k\n", "bad.level:3: edge tile <3, 1> lets the die off the board"},
    {"tiles\nk k k k\nk S S G\nk k k k\n", "bad.level:1: a level has exactly one start, not 2"},
    {"tiles\nk k k k\nk S w k\nk k k k\n", "bad.level:1: a level needs a goal"},
    {"tiles\nk k k\nk S G\n", "bad.level:1: a board is 3 to 64 cells on each side"},
    {"title\ntiles\nk k k k\nk S G k\nk k k k\n", "bad.level:1: title needs a text"},
    {"tiles\nk k k k\nk S G k\nk k k k\ntiles\n", "bad.level:5: tiles given twice (first on line 1)"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - 2 -\n- 1 - -\n",
     "bad.level:9: border tile <1, 2> never falls; write -"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - x -\n- - - -\n", "bad.level:8: no wave x"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - -1 -\n- - - -\n",
     "bad.level:8: a fall step is '-', a number 0 to 100000 or a wave letter, not '-1'"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - - -\n",
     "bad.level:6: falls has 2 rows, the tiles 3"},
    {"tiles\nk k k k\nk S G k\nk k k k\nwave A along z at 1\n",
     "bad.level:5: a wave reads: wave L from X Y at N [every E] | wave L along x|-x|y|-y at N [every E]"},
    {"tiles\nk k k k\nk S G k\nk k k k\nwave A along x at 1\n", "bad.level:5: a wave needs a falls grid to place it"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - - -\n- - - -\nwave A along x at 1 every 0\n",
     "bad.level:10: a wave reads: wave L from X Y at N [every E] | wave L along x|-x|y|-y at N [every E]"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- - - -\n- - - -\n- - - -\nwave A along x at 1\n",
     "bad.level:10: wave A is never used"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\npickups\n. . . .\n. . . .\n. + . .\n",
     "bad.level:9: pick-up on <1, 2>, which the die cannot enter"},
    {"tiles\nk k k k\nk S G k\nk k k k\n\npickups\n. . . .\n. . z .\n. . . .\n", "bad.level:8: unknown pick-up 'z'"},
    {"# nothing but a comment\n", "bad.level:1: no tiles grid"},
};

TEST(LevelSource, BadSourcesAreRefusedWithFileAndLine) {
    for (const BadSource& bad : kBadSources) {
        LogCapture errors;
        LevelSource level;
        level.title = "kept";
        EXPECT_FALSE(LevelSourceParser::parse(bad.text, "bad.level", level)) << bad.text;
        EXPECT_EQ(std::vector<std::string>{logged(bad.message)}, errors.lines()) << bad.text;
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
            const bool carries = tile == 'w' && clocks > 0;
            clocks -= carries;
            tiles += std::string(x ? " " : "") + tile;
            pickups += std::string(x ? " " : "") + (carries ? 's' : '.');
        }
        tiles += "\n";
        pickups += "\n";
    }
    return tiles + pickups;
}

// The solver tells collected clock pick-ups apart by one bit each.
TEST(LevelSource, AtMostSixtyFourClockPickups) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(clockPickupLevel(64), "many.level", level));
    LogCapture errors;
    EXPECT_FALSE(LevelSourceParser::parse(clockPickupLevel(65), "many.level", level));
    EXPECT_EQ(std::vector<std::string>{logged("many.level:12: more than 64 stop-time and reverse-time pick-ups")},
              errors.lines());
}

TEST(LevelSource, MissingFileIsReported) {
    LogCapture errors;
    LevelSource level;
    EXPECT_FALSE(LevelSourceParser::read("/nonexistent/01.level", level));
    EXPECT_EQ(std::vector<std::string>{logged("/nonexistent/01.level: cannot be opened")}, errors.lines());
}

}  // namespace
}  // namespace nimbus
