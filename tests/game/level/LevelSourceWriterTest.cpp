#include <gtest/gtest.h>

#include "game/level/LevelSourceWriter.h"

namespace nimbus {
namespace {

// Unpadded grids and a level without prose, falls or pick-ups write only what they hold.
TEST(LevelSourceWriter, WritesOnlyTheGridsALevelNeeds) {
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::parse("tiles\nk k k k\nk S G k\nk k k k\n", "plain.level", level));
    EXPECT_EQ("\ntiles\nk k k k\nk S G k\nk k k k\n", levelSourceText(level));
    level.board.tileAt(Position(1, 1)).fallStep = 12;
    level.board.tileAt(Position(2, 1)).pickup = kPickupStopTime;
    level.title = "Two";
    EXPECT_EQ(
        "title Two\n\ntiles\nk k k k\nk S G k\nk k k k\n\nfalls\n- -  - -\n- 12 - -\n- -  - -\n\npickups\n"
        ". . . .\n. . s .\n. . . .\n",
        levelSourceText(level));
}

}  // namespace
}  // namespace nimbus
