// The shipped game on a display of its own, driven like a player through xdotool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"
#include "core/posix/FileInBuffer.h"
#include "game/player/Replay.h"
#include "game/player/ReplayFolder.h"
#include "game/rules/HighScoreList.h"
#include "support/GameFixture.h"

using namespace nimbus;
using namespace player;

namespace {

const char* const kPlayerName = "Tester";
const char* const kLevelOne = NIMBUS_SOURCE_DIR "/assets/levels/01.level";

class Player : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(NIMBUS_DATA_DIR "/Frontend/gui.xml"))
            GTEST_SKIP() << "no data built here";
    }
    // Starts the game and waits until its front end has slid in and takes input.
    static bool startAtFrontEnd(Desktop& desktop, GameInstall& game,
                                const std::vector<std::string>& options = {}) {
        if (!game.start(desktop.name(), options) || !waitFor(kWait, [&] { return frontEndShown(desktop); }))
            return false;
        usleep(kSlide);
        return true;
    }
    // Escape ends the game only in a frame in which no slide runs: pressed again until the
    // game has gone. Either way it ends with code 0 and not one error line on the way.
    static void expectCleanEnd(Desktop& desktop, GameInstall& game, bool escape) {
        int code = -1;
        if (escape) {
            waitFor(kWait, [&] {
                desktop.key("Escape");
                return (code = game.waitForExit(0.5f)) != -1;
            });
        } else {
            game.signal(SIGTERM);
            code = game.waitForExit(kWait);
        }
        EXPECT_EQ(code, 0);
        EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
    }
};

bool tableHolds(const std::string& dataDirectory, const std::string& name) {
    FileInBuffer in;
    HighScoreList list;
    if (!in.open(dataDirectory + "/highscores.bin") || !list.read(in)) return false;
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].name == name) return true;
    }
    return false;
}

// A grid of pixels over the whole screen.
std::vector<unsigned> screenSample(Desktop& desktop) {
    std::vector<unsigned> pixels;
    for (float y = -0.9f; y < 1.0f; y += 0.2f) {
        for (float x = -1.2f; x < 1.3f; x += 0.2f) pixels.push_back(desktop.pixel(x, y));
    }
    return pixels;
}

// The processor time the process has used, all its threads together.
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    // The command's name may hold spaces; the fields counted here follow its ')'.
    std::getline(stat, field, ')');
    long user = 0, system = 0;
    for (int i = 3; i <= 13; ++i) stat >> field;
    stat >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

// On a 5 x 5 level whose inner tiles, the start among them, fall at once. A name typed and the
// music turned up on the Options screen are there after a restart: the volume on its slider,
// the name on the entry the three lives lost put in the table. Escape leaves the Options
// screen for the menu, and only there ends the game. The entry is on disk at once: killed
// without warning, the game has lost nothing.
TEST_F(Player, KeepsTheNameTheVolumeAndTheTableThroughARestartAndAKill) {
    Desktop desktop;
    const std::string map = "/tmp/nimbus-e2e-level-" + std::to_string(getpid()) + ".map";
    std::ofstream(map, std::ios::binary)
        << levelMapFromRows({"WWWWW", "WWWWW", "WWSWW", "WWWWW", "WWWWW"}, 0);
    GameInstall game(map);
    std::remove(map.c_str());
    const auto toOptions = [&] {
        desktop.click(kOptionsButton.x, kOptionsButton.y);
        const bool shown = waitFor(kWait, [&] { return optionsShown(desktop); });
        usleep(kSlide);
        return shown;
    };
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game)) << "no front end";
    for (int i = 0; i < 6; ++i) desktop.key("BackSpace");
    desktop.type(kPlayerName);
    ASSERT_TRUE(toOptions()) << "no options screen";
    EXPECT_FALSE(musicAboveTwoThirds(desktop));
    desktop.click(kMusicAt80.x, kMusicAt80.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return musicAboveTwoThirds(desktop); })) << "the slider did not move";
    desktop.key("Escape");
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "Escape did not lead back";
    usleep(kSlide);
    expectCleanEnd(desktop, game, true);
    std::ifstream in(game.dataDirectory() + "/settings");
    const std::string settings(std::istreambuf_iterator<char>(in), {});
    EXPECT_NE(settings.find(std::string("player_name = ") + kPlayerName + "\n"), std::string::npos)
        << settings;
    EXPECT_NE(settings.find("music_volume = 80\n"), std::string::npos) << settings;

    ASSERT_TRUE(startAtFrontEnd(desktop, game) && toOptions()) << "no options screen";
    EXPECT_TRUE(musicAboveTwoThirds(desktop)) << "the volume was not kept";
    desktop.click(kOptionsBackButton.x, kOptionsBackButton.y);
    ASSERT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); }));
    usleep(kSlide);
    desktop.click(kPlayButton.x, kPlayButton.y);
    // Quick clicks (press and release well inside one frame) lead on to the high scores once
    // the lives are gone, which happens before the level's panes can be seen for sure.
    ASSERT_TRUE(clickUntil(desktop, kCentre, scoresShown))
        << "a quick click does not lead on from the game-over screen";
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "no new entry in the table";
    EXPECT_TRUE(tableHolds(game.dataDirectory(), kPlayerName)) << "the entry does not carry the name typed";
    usleep(kSlide);
    desktop.click(kCentre.x, kCentre.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "no way back to the front end";
    game.signal(SIGKILL);
    game.waitForExit(kWait);

    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    desktop.click(kScoresButton.x, kScoresButton.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "the entry is gone after a kill";
    expectCleanEnd(desktop, game, false);
}

// Without touching the mouse, on a screen larger than the window: Tab past the name field to
// Play and Enter start level 01; F11 takes the game to full screen at the screen's own size
// and back; R after a few rolls puts the die back on the start, from where the solution still
// wins the level. Next leads on to level 02; Escape ends the game, leaving the high-score file
// and the level's run behind. The run passes the check without a window; with one command
// changed it does not.
TEST_F(Player, PlaysTheFirstLevelWithoutAMouseThroughFullScreenAndARestartAndGoesOn) {
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
    ASSERT_TRUE(playSolution(desktop, kLevelOne, 3));
    desktop.key("r");
    usleep(500000);
    ASSERT_TRUE(playSolution(desktop, kLevelOne));
    ASSERT_TRUE(waitFor(kWait, [&] { return levelCompleteShown(desktop); })) << "no level-complete panel";
    usleep(kSlide);
    desktop.click(kNextButton.x, kNextButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 02 did not start";
    expectCleanEnd(desktop, game, true);
    EXPECT_TRUE(std::filesystem::exists(game.dataDirectory() + "/highscores.bin"));

    const ReplayFolder kept(game.dataDirectory()), changed(game.dataDirectory() + "/changed");
    Replay run;
    ASSERT_TRUE(run.load(kept.fileOf("01")));
    ASSERT_FALSE(run.run.events.empty());
    GameCommand& first = run.run.events.front().command;
    first.kind = first.kind == kCommandRollPlusX ? kCommandRollMinusX : kCommandRollPlusX;
    ASSERT_TRUE(changed.save(run));
    for (const auto& [file, code] : {std::pair(kept.fileOf("01"), 0), std::pair(changed.fileOf("01"), 1)}) {
        const size_t before = game.output().size();
        ASSERT_TRUE(game.start("", {"--check-replay", file}));
        EXPECT_EQ(game.waitForExit(kWait), code) << file;
        const std::string said = game.output().substr(before);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1 + code) << said;
    }
}

// A minimised game draws nothing and waits for the window to come back: it takes next to no
// processor time, the time away does not count, and restored it shows its front end again.
// Left alone on the menu, the game then plays a level by itself behind it: the menu goes, the
// board moves, and a key brings the menu back.
TEST_F(Player, AMinimisedGameRestsAndTheMenuLeftAloneShowsTheDemoUntilAKey) {
    Desktop desktop;
    GameInstall game;
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game, {"--demo-after", "6"})) << "no front end";
    desktop.showGame(false);
    usleep(500000);
    const double before = cpuSeconds(game.pid());
    usleep(3000000);
    EXPECT_LT(cpuSeconds(game.pid()) - before, 0.3) << "three seconds minimised";
    desktop.showGame(true);
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "not drawn again once restored";
    ASSERT_TRUE(waitFor(3 * kWait, [&] { return !frontEndShown(desktop); })) << "no demo";
    usleep(kSlide);
    const std::vector<unsigned> screen = screenSample(desktop);
    EXPECT_TRUE(waitFor(kWait, [&] { return screenSample(desktop) != screen; })) << "the board stands still";
    desktop.key("space");
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "the menu does not come back";
    expectCleanEnd(desktop, game, false);
}
