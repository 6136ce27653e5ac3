#include <gtest/gtest.h>

#include "LevelCompiler.h"
#include "LevelSource.h"
#include "StrandCheck.h"

namespace nimbus {
namespace {

// Rolling right from the start lands green on the red tile and is refused, but two
// twists bring red round to the front first. On the red tile green is then on top, and
// the only way off is back down onto green.
const std::string kRedPocket = "tiles\nk k k k k k\nk S r k k k\nk y g w w G\nk k k k k k\n\n";

std::string falls(const std::string& top, const std::string& bottom) {
    return "falls\n- - - - - -\n" + top + "\n" + bottom + "\n- - - - - -\n";
}

bool strands(const std::string& text, Position& where) {
    LevelSource level;
    EXPECT_TRUE(LevelSourceParser::parse(text, "test.level", level));
    return canStrand(level.board, DieTurns(kFrameSeconds), where);
}

TEST(StrandCheck, PocketTheDieCannotLeaveStrandsItUnlessItsTileFalls) {
    Position where;
    ASSERT_TRUE(strands(kRedPocket, where));
    EXPECT_EQ(Position(2, 1), where);
    // Once the pocket crumbles a die left there loses a life and starts again.
    EXPECT_FALSE(strands(kRedPocket + falls("- - 30 - - -", "- - - - - -"), where));
}

TEST(StrandCheck, WhereTheFloorCrumblesEveryStandingTileNeedsAStandingWayOn) {
    Position where;
    // The start stands for good while everything around it falls.
    ASSERT_TRUE(strands(kRedPocket + falls("- - 9 - - -", "- 5 5 6 7 -"), where));
    EXPECT_EQ(Position(1, 1), where);
    EXPECT_FALSE(strands(kRedPocket + falls("- 9 9 - - -", "- 5 5 6 7 -"), where));
    // A last white tile that stands for good is safe: the goal is one roll away.
    EXPECT_FALSE(strands(kRedPocket + falls("- 9 9 - - -", "- 5 5 6 - -"), where));
}

}  // namespace
}  // namespace nimbus
