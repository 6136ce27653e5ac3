#include "game/HighScoreFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

#include "TempDirectory.h"
#include "game/rules/HighScoreList.h"

using namespace nimbus;

TEST(HighScoreFile, UserDirectoryFollowsTheXdgRules) {
    struct Case {
        const char* xdgDataHome;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"/data/home", "/home/p", "/data/home/nimbus"},
        {nullptr, "/home/p", "/home/p/.local/share/nimbus"},
        {"relative/data", "/home/p", "/home/p/.local/share/nimbus"},
        {"", "/home/p", "/home/p/.local/share/nimbus"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HighScoreFile::userDirectory(c.xdgDataHome, c.home), c.expected)
            << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
}

TEST(HighScoreFile, AWritableDataDirectoryKeepsTheTableItself) {
    TempDirectory data;
    EXPECT_EQ(HighScoreFile::forData(data.path()).directory(), data.path());
}

TEST(HighScoreFile, ADataDirectoryThatCannotBeWrittenUsesThePlayersOwn) {
    TempDirectory user;
    ASSERT_EQ(setenv("XDG_DATA_HOME", user.path().c_str(), 1), 0);
    // Root may write anywhere, so a data directory that is not there at all stands in for
    // an installed read-only one.
    EXPECT_EQ(HighScoreFile::forData(user.path() + "/missing/Data").directory(), user.path() + "/nimbus");
    unsetenv("XDG_DATA_HOME");
}

TEST(HighScoreFile, TheFirstSaveCreatesTheFolderAndReadsBack) {
    TempDirectory user;
    const HighScoreFile file(user.path() + "/share/nimbus");
    HighScoreList defaults;
    file.load(defaults);
    EXPECT_EQ(defaults.size(), 6) << "no file yet gives the default table";

    HighScoreList table;
    table.add("Ada", 4200);
    table.add("Bo", 10);
    ASSERT_TRUE(file.save(table));
    HighScoreList loaded;
    file.load(loaded);
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_EQ(loaded[0].name, "Ada");
    EXPECT_EQ(loaded[1].score, 10);
}

TEST(HighScoreFile, AFailedSaveKeepsThePreviousTable) {
    TempDirectory user;
    const HighScoreFile file(user.path());
    HighScoreList old;
    old.add("Kept", 99);
    ASSERT_TRUE(file.save(old));

    // A disk that fills up half-way through the new table.
    HighScoreList big;
    for (int i = 0; i < 100; ++i) big.add(std::string(200, 'n'), i);
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool savedBig = file.save(big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(savedBig);
    HighScoreList loaded;
    file.load(loaded);
    ASSERT_EQ(loaded.size(), 1);
    EXPECT_EQ(loaded[0].name, "Kept");
}

TEST(HighScoreFile, AFolderThatCannotBeMadeFailsTheSave) {
    TempDirectory user;
    std::ofstream(user.path() + "/file") << "not a folder";
    HighScoreList table;
    table.fillDefaults();
    EXPECT_FALSE(HighScoreFile(user.path() + "/file/nimbus").save(table));
    EXPECT_FALSE(HighScoreFile("").save(table));
}
