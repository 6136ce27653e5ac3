#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"

using namespace player;

namespace {

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

// A minimised game draws nothing and waits for the window to come back: it takes next to
// no processor time, and restored it shows its front end again.
TEST(Idle, AMinimisedGameRestsAndComesBackWhenRestored) {
    if (!std::filesystem::exists(NIMBUS_DATA_DIR "/Frontend/gui.xml")) GTEST_SKIP() << "no data built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    GameInstall game;
    ASSERT_TRUE(game.start(desktop.name()));
    ASSERT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "no front end";
    desktop.showGame(false);
    usleep(500000);
    const double before = cpuSeconds(game.pid());
    usleep(3000000);
    EXPECT_LT(cpuSeconds(game.pid()) - before, 0.3) << "three seconds minimised";
    desktop.showGame(true);
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "not drawn again once restored";
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(kWait), 0);
}

// Left alone on the menu, the game plays a level by itself behind it: the menu goes, the
// board moves, and a key brings the menu back.
TEST(Idle, TheMenuLeftAloneShowsTheDemoUntilAKeyIsPressed) {
    if (!std::filesystem::exists(NIMBUS_DATA_DIR "/Frontend/gui.xml")) GTEST_SKIP() << "no data built here";
    Desktop desktop;
    ASSERT_TRUE(desktop.ready());
    GameInstall game;
    ASSERT_TRUE(game.start(desktop.name(), {"--demo-after", "2"}));
    ASSERT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "no front end";
    ASSERT_TRUE(waitFor(3 * kWait, [&] { return !frontEndShown(desktop); })) << "no demo";
    usleep(kSlide);
    const std::vector<unsigned> before = screenSample(desktop);
    EXPECT_TRUE(waitFor(kWait, [&] { return screenSample(desktop) != before; })) << "the board stands still";
    desktop.key("space");
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "the menu does not come back";
    game.signal(SIGTERM);
    EXPECT_EQ(game.waitForExit(kWait), 0);
    EXPECT_EQ(game.output().find("Error"), std::string::npos) << game.output();
}
