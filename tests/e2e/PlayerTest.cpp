#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "../game/rules/GameFixture.h"
#include "Desktop.h"
#include "GameInstall.h"
#include "LevelCompiler.h"
#include "LevelSource.h"
#include "SolutionReplay.h"
#include "SolverTurns.h"
#include "core/posix/FileInBuffer.h"
#include "game/rules/HighScoreList.h"

using namespace nimbus;

namespace {

// Places of the shipped menus (GUI coordinates) that a player clicks or looks at.
const float kPlayButton[2] = {0.0f, -0.34f};
const float kPlayButtonLeft[2] = {-0.25f, -0.34f};
const float kScoresButton[2] = {0.0f, -0.51f};
const float kNextButton[2] = {0.0f, -0.29f};
const float kNextButtonLeft[2] = {-0.25f, -0.29f};
const float kScorePanel[2] = {-0.85f, -0.5f};
const float kScorePanelRight[2] = {0.85f, 0.5f};
// The seventh row of the high-score table: empty while the table holds its six defaults.
const float kSeventhRow[4] = {-0.78f, -0.36f, -0.2f, -0.27f};

// Keys reach the game through xdotool and the X server: each turn's key goes a quarter
// of a second after the die is due to take it, so that the key before has surely been
// taken (a key pressed while the die turns replaces the one waiting).
constexpr int kKeyLateFrames = 15;
constexpr float kWait = 20.0f;
const char* const kPlayerName = "Tester";
// A screen is seen while it is still sliding in; the GUI takes no input until the slide
// (one second) has ended.
constexpr useconds_t kSlide = 1200000;

// A player at the desktop's keys, in real time.
class KeyboardPlayer final : public ReplayTarget {
public:
    explicit KeyboardPlayer(Desktop& desktop) : desktop_(desktop) {}

    bool handIn(const SolutionStep& step) override {
        desktop_.key(kSolverTurns[step.turn].keyName);
        return true;
    }

    bool passFrame() override {
        usleep(static_cast<useconds_t>(kFrameSeconds * 1e6f));
        return false;
    }

private:
    Desktop& desktop_;
};

int channel(unsigned color, int shift) { return static_cast<int>(color >> shift & 255); }

// The blue of the menus' buttons.
bool isButtonBlue(unsigned color) {
    return std::abs(channel(color, 16) - 0x2f) < 40 && std::abs(channel(color, 8) - 0x6f) < 40 &&
           std::abs(channel(color, 0) - 0xd0) < 40;
}

// The dark blue of the high-score panel.
bool isPanelNavy(unsigned color) {
    return channel(color, 16) < 60 && channel(color, 8) < 70 && channel(color, 0) < 90 &&
           channel(color, 0) > channel(color, 16) + 10;
}

bool isBlack(unsigned color) { return color == 0; }

bool shows(Desktop& desktop, const float (&a)[2], const float (&b)[2], bool (*test)(unsigned)) {
    return test(desktop.pixel(a[0], a[1])) && test(desktop.pixel(b[0], b[1]));
}

// After Play: the menus slide away to a black screen, then the level slides in.
bool levelArrives(Desktop& desktop) {
    return waitFor(kWait, [&] { return isBlack(desktop.pixel(0, 0)); }) &&
           waitFor(kWait, [&] { return !isBlack(desktop.pixel(0, 0)); });
}

bool seventhRowShown(Desktop& desktop) {
    return desktop.brightPixels(kSeventhRow[0], kSeventhRow[1], kSeventhRow[2], kSeventhRow[3], 150) > 20;
}

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

bool dataBuilt() { return std::filesystem::exists(NIMBUS_DATA_DIR "/Frontend/gui.xml"); }

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
    ASSERT_TRUE(game.start(desktop.name()));
    ASSERT_TRUE(waitFor(kWait, [&] { return shows(desktop, kPlayButton, kPlayButtonLeft, isButtonBlue); }))
        << "no front end";
    usleep(kSlide);
    desktop.click(kPlayButton[0], kPlayButton[1]);
    ASSERT_TRUE(levelArrives(desktop)) << "level 01 did not start";
    LevelSource level;
    ASSERT_TRUE(LevelSourceParser::read(NIMBUS_SOURCE_DIR "/assets/levels/01.level", level));
    KeyboardPlayer player(desktop);
    SolutionReplay replay(solveLevel(level).steps, kKeyLateFrames);
    while (!replay.finished()) replay.play(player, 1);
    ASSERT_TRUE(waitFor(kWait, [&] { return shows(desktop, kNextButton, kNextButtonLeft, isButtonBlue); }))
        << "no level-complete panel";
    usleep(kSlide);
    desktop.click(kNextButton[0], kNextButton[1]);
    ASSERT_TRUE(levelArrives(desktop)) << "level 02 did not start";
    EXPECT_EQ(quitWithEscape(desktop, game), 0);
    EXPECT_TRUE(std::filesystem::exists(game.dataDirectory() + "/highscores.bin"));
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}

// On a level whose floor crumbles at once the three lives go in a moment; holding the
// mouse button then leads to the table with the player's entry, and a click back to the
// front end. The next start shows the entry in the table.
TEST(Player, LosesEveryLifeEntersTheTableAndFindsItThereNextTime) {
    if (!dataBuilt()) GTEST_SKIP() << "the data directory is not built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    const std::string map = writeCrumblingLevel("/tmp/nimbus-e2e-level-" + std::to_string(getpid()) + ".map");
    GameInstall game(map);
    std::remove(map.c_str());
    ASSERT_TRUE(game.start(desktop.name()));
    ASSERT_TRUE(waitFor(kWait, [&] { return shows(desktop, kPlayButton, kPlayButtonLeft, isButtonBlue); }))
        << "no front end";
    usleep(kSlide);
    for (int i = 0; i < 6; ++i) desktop.key("BackSpace");
    desktop.type(kPlayerName);
    desktop.click(kPlayButton[0], kPlayButton[1]);
    ASSERT_TRUE(levelArrives(desktop)) << "the level did not start";
    desktop.hold(0, 0, 1.0f);
    ASSERT_TRUE(waitFor(kWait, [&] { return shows(desktop, kScorePanel, kScorePanelRight, isPanelNavy); }))
        << "no high-score table";
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "no new entry in the table";
    usleep(kSlide);
    desktop.click(0, 0);
    EXPECT_TRUE(waitFor(kWait, [&] { return shows(desktop, kPlayButton, kPlayButtonLeft, isButtonBlue); }))
        << "no way back to the front end";
    ASSERT_EQ(quitWithEscape(desktop, game), 0);
    EXPECT_TRUE(tableHolds(game.dataDirectory(), kPlayerName));

    ASSERT_TRUE(game.start(desktop.name()));
    ASSERT_TRUE(waitFor(kWait, [&] { return shows(desktop, kPlayButton, kPlayButtonLeft, isButtonBlue); }));
    usleep(kSlide);
    desktop.click(kScoresButton[0], kScoresButton[1]);
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); }))
        << "the entry is gone after a restart";
    EXPECT_EQ(quitWithEscape(desktop, game), 0);
}
