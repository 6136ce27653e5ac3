#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"
#include "core/posix/FileInBuffer.h"
#include "game/rules/HighScoreList.h"
#include "support/GameFixture.h"

using namespace nimbus;
using namespace player;

namespace {

const char* const kPlayerName = "Tester";

// A 5 x 5 board whose inner tiles, the start among them, fall as soon as the clock runs.
std::string writeCrumblingLevel(const std::string& path) {
    std::ofstream(path, std::ios::binary)
        << levelMapFromRows({"WWWWW", "WWWWW", "WWSWW", "WWWWW", "WWWWW"}, 0);
    return path;
}

// Escape ends the game, but only in a frame in which no slide runs: pressed again
// until the game has gone. The exit code.
int quitWithEscape(Desktop& desktop, GameInstall& game) {
    int code = -1;
    waitFor(kWait, [&] {
        desktop.key("Escape");
        code = game.waitForExit(0.5f);
        return code != -1;
    });
    return code;
}

// Starts the game and waits until its front end has slid in and takes input.
bool startAtFrontEnd(Desktop& desktop, GameInstall& game) {
    if (!game.start(desktop.name()) || !waitFor(kWait, [&] { return frontEndShown(desktop); })) return false;
    usleep(kSlide);
    return true;
}

bool dataBuilt() { return std::filesystem::exists(NIMBUS_DATA_DIR "/Frontend/gui.xml"); }

std::string settingsOf(const GameInstall& game) {
    std::ifstream in(game.dataDirectory() + "/settings");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool tableHolds(const std::string& dataDirectory, const std::string& name) {
    FileInBuffer in;
    HighScoreList list;
    if (!in.open(dataDirectory + "/highscores.bin") || !list.read(in)) return false;
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].name == name) return true;
    }
    return false;
}

}  // namespace

// The shipped game as a player meets it: Play, level 01 rolled along the solver's
// shortest solution, the level-complete panel, on to level 02, then Escape: a clean exit
// that leaves the high-score file behind, and not one error line on the way.
TEST(Player, PlaysTheFirstLevelGoesOnToTheSecondAndQuits) {
    if (!dataBuilt()) GTEST_SKIP() << "the data directory is not built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    GameInstall game;
    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    desktop.click(kPlayButton.x, kPlayButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 01 did not start";
    ASSERT_TRUE(playSolution(desktop, NIMBUS_SOURCE_DIR "/assets/levels/01.level"));
    ASSERT_TRUE(waitFor(kWait, [&] { return levelCompleteShown(desktop); })) << "no level-complete panel";
    usleep(kSlide);
    desktop.click(kNextButton.x, kNextButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 02 did not start";
    EXPECT_EQ(quitWithEscape(desktop, game), 0);
    EXPECT_TRUE(std::filesystem::exists(game.dataDirectory() + "/highscores.bin"));
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}

// On a level whose floor crumbles at once the three lives go in a moment; a quick click
// then leads to the table with the player's entry, which is on disk at once: killed
// without warning, the game has lost nothing, and the next start shows the entry. Asked
// to end (SIGTERM), the game quits cleanly.
TEST(Player, LosesEveryLifeEntersTheTableAndKeepsItThroughAKill) {
    if (!dataBuilt()) GTEST_SKIP() << "the data directory is not built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    const std::string map = writeCrumblingLevel("/tmp/nimbus-e2e-level-" + std::to_string(getpid()) + ".map");
    GameInstall game(map);
    std::remove(map.c_str());
    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    for (int i = 0; i < 6; ++i) desktop.key("BackSpace");
    desktop.type(kPlayerName);
    desktop.click(kPlayButton.x, kPlayButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "the level did not start";
    // Press and release come together, well inside one frame.
    ASSERT_TRUE(waitFor(kWait, [&] {
        desktop.click(kCentre.x, kCentre.y);
        return scoresShown(desktop);
    })) << "a quick click does not lead on from the game-over screen";
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "no new entry in the table";
    EXPECT_TRUE(tableHolds(game.dataDirectory(), kPlayerName)) << "the entry is shown but not saved";
    usleep(kSlide);
    desktop.click(kCentre.x, kCentre.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "no way back to the front end";
    game.signal(SIGKILL);
    game.waitForExit(kWait);

    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    desktop.click(kScoresButton.x, kScoresButton.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "the entry is gone after a kill";
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(kWait), 0);
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}

// A name typed and the music turned up on the Options screen are there after a restart:
// the volume on its slider, the name on the entry that three lives lost to R put in the
// table. Escape leaves the Options screen for the menu, and only there ends the game.
TEST(Player, KeepsTheNameAndTheVolumeThroughARestartAndLosesALifeToEachR) {
    if (!dataBuilt()) GTEST_SKIP() << "the data directory is not built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    GameInstall game;
    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    for (int i = 0; i < 6; ++i) desktop.key("BackSpace");
    desktop.type(kPlayerName);
    desktop.click(kOptionsButton.x, kOptionsButton.y);
    ASSERT_TRUE(waitFor(kWait, [&] { return optionsShown(desktop); })) << "no options screen";
    usleep(kSlide);
    EXPECT_FALSE(musicAboveTwoThirds(desktop));
    desktop.click(kMusicAt80.x, kMusicAt80.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return musicAboveTwoThirds(desktop); })) << "the slider did not move";
    desktop.key("Escape");
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "Escape did not lead back";
    usleep(kSlide);
    EXPECT_EQ(quitWithEscape(desktop, game), 0);
    const std::string settings = settingsOf(game);
    EXPECT_NE(settings.find(std::string("player_name = ") + kPlayerName + "\n"), std::string::npos)
        << settings;
    EXPECT_NE(settings.find("music_volume = 80\n"), std::string::npos) << settings;

    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    desktop.click(kOptionsButton.x, kOptionsButton.y);
    ASSERT_TRUE(waitFor(kWait, [&] { return optionsShown(desktop); }));
    usleep(kSlide);
    EXPECT_TRUE(musicAboveTwoThirds(desktop)) << "the volume was not kept";
    desktop.click(kOptionsBackButton.x, kOptionsBackButton.y);
    ASSERT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); }));
    usleep(kSlide);
    desktop.click(kPlayButton.x, kPlayButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 01 did not start";
    usleep(kSlide);
    for (int life = 0; life < 3; ++life) {
        desktop.key("r");
        usleep(300000);
    }
    ASSERT_TRUE(waitFor(kWait, [&] {
        desktop.click(kCentre.x, kCentre.y);
        return scoresShown(desktop);
    })) << "three restarts did not end the game";
    EXPECT_TRUE(waitFor(kWait, [&] { return tableHolds(game.dataDirectory(), kPlayerName); }))
        << "the entry does not carry the name typed before the restart";
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(kWait), 0);
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}

// Without touching the mouse, on a screen larger than the window: Tab past the name field
// to Play and Enter start level 01; F11 takes the game to full screen at the screen's own
// size and back; R after a few rolls puts the die back on the start, from where the
// solution still wins the level.
TEST(Player, PlaysTheFirstLevelWithoutAMouseThroughFullScreenAndARestart) {
    if (!dataBuilt()) GTEST_SKIP() << "the data directory is not built here";
    Desktop desktop(1280, 800);
    ASSERT_TRUE(desktop.ready());
    GameInstall game;
    ASSERT_TRUE(game.start(desktop.name()));
    int width = 0, height = 0;
    const auto sized = [&](int w, int h) {
        return waitFor(kWait, [&] { return desktop.gameSize(width, height) && width == w && height == h; });
    };
    ASSERT_TRUE(sized(1024, 768));
    desktop.moveGameToCorner();
    ASSERT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "no front end";
    usleep(kSlide);
    for (const char* key : {"Tab", "Tab", "Return"}) desktop.key(key);
    ASSERT_TRUE(levelArrives(desktop)) << "Tab, Tab and Enter did not start level 01";
    desktop.key("F11");
    EXPECT_TRUE(sized(1280, 800)) << width << " x " << height;
    desktop.key("F11");
    EXPECT_TRUE(sized(1024, 768)) << width << " x " << height;
    const char* const level = NIMBUS_SOURCE_DIR "/assets/levels/01.level";
    ASSERT_TRUE(playSolution(desktop, level, 3));
    desktop.key("r");
    usleep(500000);
    ASSERT_TRUE(playSolution(desktop, level));
    EXPECT_TRUE(waitFor(kWait, [&] { return levelCompleteShown(desktop); })) << "the level did not go on";
    EXPECT_EQ(quitWithEscape(desktop, game), 0);
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}
