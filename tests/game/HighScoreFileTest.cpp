#include <gtest/gtest.h>
#include <stdlib.h>

#include "game/HighScoreFile.h"
#include "game/rules/HighScoreList.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

using namespace nimbus;

namespace {

TEST(HighScoreFile, ThePlayersFolderFollowsTheXdgRules) {
    const struct {
        const char* xdgDataHome;
        const char* home;
        std::string expected;
    } cases[] = {
        {"/data/home", "/home/p", "/data/home/nimbus"},
        {nullptr, "/home/p", "/home/p/.local/share/nimbus"},
        {"relative", "/home/p", "/home/p/.local/share/nimbus"},
        {"", "/home/p", "/home/p/.local/share/nimbus"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HighScoreFile::userDirectory(c.xdgDataHome, c.home), c.expected)
            << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
    // The table stays beside writable data and moves out of data that is not. Root may
    // write anywhere, so data that is not there at all stands in for an installed copy.
    TempFolder user;
    EXPECT_EQ(HighScoreFile::forData(user.path()).directory(), user.path());
    ASSERT_EQ(setenv("XDG_DATA_HOME", user.path().c_str(), 1), 0);
    EXPECT_EQ(HighScoreFile::forData(user.file("missing/Data")).directory(), user.file("nimbus"));
    unsetenv("XDG_DATA_HOME");
}

TEST(HighScoreFile, TheFirstSaveMakesTheFolderAndAFailedOneKeepsTheOldTable) {
    TempFolder user;
    const HighScoreFile file(user.file("share/nimbus"));
    HighScoreList table;
    file.load(table);
    EXPECT_EQ(table.size(), 6) << "no file yet gives the default table";
    table.add("Kept", 99);
    ASSERT_TRUE(file.save(table));
    // A disk that fills up half-way through a bigger table.
    HighScoreList big;
    for (int i = 0; i < 100; ++i) big.add(std::string(200, 'n'), i);
    {
        FileSizeLimit full(1024);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(file.save(big));
    }
    HighScoreList loaded;
    file.load(loaded);
    ASSERT_EQ(loaded.size(), 7);
    EXPECT_EQ(loaded[6].name, "Kept");
}

}  // namespace
