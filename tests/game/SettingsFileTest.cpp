// The settings file: what a damaged, partial or missing file reads as, where it lives, and
// a save that never leaves half a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/Settings.h"
#include "game/SettingsFile.h"
#include "support/FileSizeLimit.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

TEST(SettingsFile, ReadsEveryGoodLineSkipsTheBadOnesAndClampsVolumes) {
    struct Case {
        const char* text;  // null: no file at all
        Settings expected;
        size_t errors;
    };
    const Case cases[] = {
        {nullptr, {}, 0},
        {"player_name =  Ann Lee \r\nmusic_volume=10\neffects_volume = 0\nfullscreen = on\nsymbols = on",
         {"Ann Lee", 10, 0, true, true},
         0},
        {"music_volume = loud\nfullscreen\n# a comment\n\nsymbols = yes\neffects_volume = 5",
         {"Player", 40, 5, false, false},
         3},
        {"colour = red\nsymbols = on", {"Player", 40, 70, false, true}, 1},
        {"music_volume = 250\neffects_volume = -3", {"Player", 100, 0, false, false}, 0},
        // Beyond a long.
        {"music_volume = -99999999999999999999999", {"Player", 0, 70, false, false}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "no file");
        TempFolder folder;
        if (c.text) folder.write(SettingsFile::kFileName, c.text);
        Settings read;
        LogCapture log;
        EXPECT_EQ(SettingsFile(folder.path()).load(read), c.text != nullptr);
        EXPECT_EQ(read, c.expected) << read.write();
        EXPECT_EQ(log.lines().size(), c.errors) << log.all();
    }
}

// Beside writable data (a build tree, the tests) or in the player's configuration folder.
TEST(SettingsFile, LivesBesideWritableDataOrInTheConfigurationFolder) {
    TempFolder user;
    EXPECT_EQ(SettingsFile::forData(user.path()).directory(), user.path());
    const std::string installed = user.file("missing/Data");
    const char* home = std::getenv("HOME");
    const std::string previousHome = home ? home : "";
    ASSERT_EQ(setenv("HOME", "/home/p", 1), 0);
    const std::pair<const char*, std::string> cases[] = {
        {"/config", "/config/nimbus"},
        {"", "/home/p/.config/nimbus"},
    };
    for (const auto& [xdgConfigHome, expected] : cases) {
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", xdgConfigHome, 1), 0);
        EXPECT_EQ(SettingsFile::forData(installed).directory(), expected);
    }
    unsetenv("XDG_CONFIG_HOME");
    if (home)
        setenv("HOME", previousHome.c_str(), 1);
    else
        unsetenv("HOME");
}

// The first save makes the folder; what it wrote reads back the same. A save cut short by
// a full disk keeps the old file whole and leaves nothing beside it.
TEST(SettingsFile, ASaveCutShortKeepsTheOldFile) {
    TempFolder user;
    const SettingsFile file(user.file("config/nimbus"));
    const Settings first{"First", 7, 70, true, false};
    ASSERT_TRUE(file.save(first));
    Settings loaded;
    EXPECT_TRUE(file.load(loaded));
    EXPECT_EQ(loaded, first);
    const std::string path = file.directory() + "/" + SettingsFile::kFileName;
    const std::string old = readFile(path);
    {
        LogCapture log;
        FileSizeLimit full(20);
        ASSERT_TRUE(full.active());
        EXPECT_FALSE(file.save(Settings{"Second"}));
        EXPECT_EQ(log.lines().size(), 1u) << log.all();
    }
    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.directory()), {}), 1);
}

}  // namespace
}  // namespace nimbus
