#include <gtest/gtest.h>

#include "LevelSource.h"
#include "StrandCheck.h"
#include "game/rules/LevelModel.h"

namespace nimbus {
namespace {

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
