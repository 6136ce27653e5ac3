// The level source reader, its refusals, drafts, the compiled map and the strand check.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/posix/FileInBuffer.h"
#include "game/level/LevelCompiler.h"
#include "game/level/LevelSource.h"
#include "game/rules/LevelMap.h"
#include "game/solver/LevelModel.h"
#include "game/solver/StrandCheck.h"
#include "support/Golden.h"
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

wave A from 5 3 at 1
wave B along -x at 4 every 2

pickups
. . . . . . .
. . s . . . .
. + . . . r .
. . . . . . .
. . . . . . .
)";

// The map is the same bytes every time and reads back through the game's reader.
TEST(LevelSource, ReadsColoursFallsWavesAndPickupsAndCompilesToTheSameBoard) {
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::parse(kFull, "full.level", level));
    EXPECT_EQ(std::make_pair(level.title, level.teaches),
              std::make_pair(std::string("Two Waves"), std::string("waves and pick-ups")));
    TempFolder folder;
    ASSERT_TRUE(writeLevel(level, folder.file("Level.map")));
    EXPECT_EQ(fingerprint(readFile(folder.file("Level.map"))), 0xbdbbde3021e10045ull)
        << "the compiled map changed";
    FileInBuffer in;
    ASSERT_TRUE(in.open(folder.file("Level.map")));
    Board back;
    ASSERT_TRUE(readLevelMap(in, back));
    ASSERT_EQ(std::make_pair(back.width(), back.length()), std::make_pair(7, 5));
    EXPECT_EQ(back.tiles(), level.board.tiles());
    LogCapture errors;
    EXPECT_FALSE(writeLevel(level, "/nonexistent-dir/Level.map"));
    EXPECT_EQ(errors.lines().size(), 1u);
}

std::string logged(const std::string& message) { return "Error: " + message + "\n"; }

// A start and a goal in a ring of black tiles, lines 1 to 4, and grids for it after a gap.
const std::string kRing = "tiles\nk k k k\nk S G k\nk k k k\n";
const std::string kFalls = kRing + "\nfalls\n- - - -\n";
const std::string kWave = kFalls + "- - - -\n- - - -\nwave A along x at 1";

// A `width` x `length` board with `count` pick-ups of `letter` on its white tiles, row by
// row. The solver tells collected clock pick-ups apart by one bit each, so 64 is the most.
std::string pickupLevel(int count, char letter = 's', int width = 34, int length = 5) {
    std::string tiles = "tiles\n", pickups = "\npickups\n";
    for (int y = 0; y < length; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inner = x > 0 && x < width - 1 && y > 0 && y < length - 1;
            const char tile = !inner                                ? 'k'
                              : (x == 1 && y == 1)                  ? 'S'
                              : (x == width - 2 && y == length - 2) ? 'G'
                                                                    : 'w';
            const bool carries = tile == 'w' && count-- > 0;
            const char* gap = x < width - 1 ? " " : "\n";
            tiles += std::string(1, tile) + gap;
            pickups += std::string(1, carries ? letter : '.') + gap;
        }
    }
    return tiles + pickups;
}

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
    {kWave + "\nwave A along y at 2\n", "bad.level:11: wave A given twice"},
    {kRing + "\npickups\n. . . .\n. . . .\n. + . .\n",
     "bad.level:9: extra life pick-up on <1, 2>, which the die cannot enter"},
    {kRing + "\npickups\n. . . .\n. . z .\n. . . .\n", "bad.level:8: unknown pick-up 'z'"},
    {"# nothing but a comment\n", "bad.level:1: no tiles grid"},
    {pickupLevel(65), "bad.level:12: more than 64 stop time and reverse time pick-ups"},
    {pickupLevel(3000, '+', 64, 64), "bad.level:73: more than 256 pick-ups"},
    {std::string(300 * 1024, '#'), "bad.level:1: a level is at most 256 KB, this file 300 KB"},
    {kRing + std::string("\x01\x7f\x00", 3),
     "bad.level:5: a level is text, but this line holds the control byte 0x01"},
    {"title caf\xc3\n" + kRing, "bad.level:1: this line is not UTF-8 text"},
    {"title " + std::string(65, 'a') + "\n" + kRing, "bad.level:1: title is longer than 64 bytes"}};

TEST(LevelSource, BadSourcesAreRefusedWithFileAndLine) {
    {
        LogCapture errors;
        LevelSource level;
        EXPECT_FALSE(LevelSourceParser::read("/nonexistent/01.level", level));
        EXPECT_EQ(std::vector<std::string>{logged("/nonexistent/01.level: cannot be opened")},
                  errors.lines());
    }
    {
        // Ten megabytes are refused by their size, before a byte is read.
        TempFolder folder;
        const std::string big = folder.write("big.level", "tiles\n");
        ASSERT_EQ(0, ::truncate(big.c_str(), 10 << 20));
        LogCapture errors;
        LevelSource level;
        std::string reason;
        EXPECT_FALSE(LevelSourceParser::read(big, level, &reason));
        EXPECT_EQ(big + ":1: a level is at most 256 KB, this file 10240 KB", reason);
        EXPECT_TRUE(errors.lines().empty()) << "a reason asked for is not logged";
    }
    for (const auto& [text, message] : kBadSources) {
        LogCapture errors;
        LevelSource level;
        level.title = "kept";
        EXPECT_FALSE(LevelSourceParser::parse(text, "bad.level", level)) << text;
        EXPECT_EQ(std::vector<std::string>{logged(message)}, errors.lines()) << text;
        std::string reason;
        EXPECT_FALSE(LevelSourceParser::parse(text, "bad.level", level, &reason));
        EXPECT_EQ(message, reason);
        EXPECT_EQ("kept", level.title);
    }
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(pickupLevel(64), "many.level", level));
    EXPECT_TRUE(LevelSourceParser::parse(pickupLevel(256, '+', 64, 64), "many.level", level));
}

// A draft's grids must read, but the level need not be whole yet: no start, an open edge,
// a falling border tile and a pick-up on black are left for the proof to refuse.
TEST(LevelSource, DraftsNeedGridsThatReadButNotAWholeLevel) {
    const std::string unfinished =
        "tiles\nk k w\nk b k\nk k k\n\nfalls\n- - 4\n- - -\n- - -\n\npickups\n+ . .\n. . .\n. . .\n";
    LogCapture errors;
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(unfinished, "draft.level", level, nullptr,
                                         LevelSourceParser::Rules::kDraft));
    EXPECT_EQ(4, level.board.tileAt(Position(2, 0)).fallStep);
    EXPECT_EQ(kPickupExtraLife, level.board.tileAt(Position(0, 0)).pickup);
    EXPECT_TRUE(errors.lines().empty());
    EXPECT_FALSE(LevelSourceParser::parse(unfinished, "draft.level", level));
    EXPECT_FALSE(LevelSourceParser::parse("tiles\nk k k\nk q k\nk k k\n", "draft.level", level, nullptr,
                                          LevelSourceParser::Rules::kDraft));
}

// Rolling right lands green on red, refused; two twists bring red to the front first. On
// the red tile green is on top, and the only way off is back onto green.
const std::string kRedPocket = "tiles\nk k k k k k\nk S r k k k\nk y g w w G\nk k k k k k\n\n";

// The pocket strands a die unless its tile falls (a die left there loses a life). Where the
// floor crumbles, a tile that stands for good needs a standing way on, or the goal a roll away.
TEST(StrandCheck, FindsTheTileWhereTheDieIsStrandedIfThereIsOne) {
    const struct {
        const char* falls;
        bool strands;
        Position where;
    } cases[] = {{"- - - - - -\n- - - - - -\n", true, {2, 1}},
                 {"- - 30 - - -\n- - - - - -\n", false, {}},
                 {"- - 9 - - -\n- 5 5 6 7 -\n", true, {1, 1}},  // the start stands while all around falls
                 {"- 9 9 - - -\n- 5 5 6 7 -\n", false, {}},
                 {"- 9 9 - - -\n- 5 5 6 - -\n", false, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.falls);
        LevelSource level;
        ASSERT_TRUE(LevelSourceParser::parse(kRedPocket + "falls\n- - - - - -\n" + c.falls + "- - - - - -\n",
                                             "test.level", level));
        Position where;
        EXPECT_EQ(canStrand(level.board, DieTurns(kFrameSeconds), where), c.strands);
        EXPECT_EQ(c.strands ? where : Position(), c.where);
    }
}

}  // namespace
}  // namespace nimbus
