// The text the editor writes: every shipped level written and read again is the same
// level, and writing is a fixed point.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/level/LevelSourceWriter.h"

namespace nimbus {
namespace {

TEST(LevelSourceWriter, EveryShippedLevelWrittenReadsBackAsTheSameLevel) {
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_SOURCE_DIR "/assets/levels")) {
        if (entry.path().extension() != ".level") continue;
        SCOPED_TRACE(entry.path().string());
        ++levels;
        LevelSource shipped, back;
        ASSERT_TRUE(LevelSourceParser::read(entry.path().string(), shipped));
        const std::string text = levelSourceText(shipped);
        ASSERT_TRUE(LevelSourceParser::parse(text, "written.level", back));
        EXPECT_EQ(std::make_pair(back.board.width(), back.board.length()),
                  std::make_pair(shipped.board.width(), shipped.board.length()));
        EXPECT_EQ(back.board.tiles(), shipped.board.tiles());
        EXPECT_EQ(std::make_pair(back.title, back.teaches), std::make_pair(shipped.title, shipped.teaches));
        EXPECT_EQ(levelSourceText(back), text);
    }
    EXPECT_EQ(40, levels);
}

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
