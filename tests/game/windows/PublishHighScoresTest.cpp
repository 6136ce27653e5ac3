#include <gtest/gtest.h>

#include <string>

#include "game/rules/HighScoreList.h"
#include "game/windows/PublishHighScores.h"
#include "gui/Gui.h"

using namespace nimbus;

namespace {

// Only the best ten are published, with the newest index; ranks past a shorter list keep
// what an earlier, longer list left there.
TEST(PublishHighScores, PublishesTheBestTenAndTheNewestIndex) {
    Gui gui(1024, 768);
    HighScoreList longList;
    for (int i = 0; i < 12; ++i) longList.add("P" + std::to_string(i), i * 10);
    publishHighScores(gui, longList);
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "P11");
    EXPECT_EQ(gui.getProperty("highscore_score_0"), "110");
    EXPECT_EQ(gui.getProperty("highscore_name_9"), "P2");
    EXPECT_EQ(gui.getProperty("highscore_score_9"), "20");
    EXPECT_EQ(gui.getProperty("highscore_name_10"), "not registered");
    EXPECT_EQ(gui.getProperty("newest_entry"), "0");

    HighScoreList defaults;
    defaults.fillDefaults();
    publishHighScores(gui, HighScoreList());
    EXPECT_EQ(gui.getProperty("newest_entry"), "-1");
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "P11");
    publishHighScores(gui, defaults);
    EXPECT_EQ(gui.getProperty("highscore_name_0"), "Wenna");
    EXPECT_EQ(gui.getProperty("highscore_score_5"), "1000");
    EXPECT_EQ(gui.getProperty("highscore_name_6"), "P5");
}

}  // namespace
