#include <SDL/SDL_keysym.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <tuple>

#include "game/DataLayout.h"
#include "game/player/HighScoreFile.h"
#include "game/player/ProgressFile.h"
#include "game/player/Settings.h"
#include "game/player/SettingsFile.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

// The player's folders follow the XDG rules. Root may write anywhere, so data that is not
// there at all stands in for an installed copy.
TEST(PlayersFiles, LiveBesideWritableDataOrInThePlayersFolders) {
    // XDG_DATA_HOME, HOME and the folder of the table.
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"/data/home", "/home/p", "/data/home/nimbus"},
        {nullptr, "/home/p", "/home/p/.local/share/nimbus"},
        {"relative", "/home/p", "/home/p/.local/share/nimbus"},
        {"", "/home/p", "/home/p/.local/share/nimbus"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const auto& [xdgDataHome, home, expected] : cases) {
        EXPECT_EQ(HighScoreFile::userDirectory(xdgDataHome, home), expected) << (home ? home : "(unset)");
    }
    TempFolder user;
    EXPECT_EQ(HighScoreFile::forData(user.path()).directory(), user.path());
    EXPECT_EQ(SettingsFile::forData(user.path()).directory(), user.path());
    const std::string installed = user.file("missing/Data");
    const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ASSERT_EQ(setenv("HOME", "/home/p", 1), 0);
    // XDG_DATA_HOME and XDG_CONFIG_HOME, and the folders of the table and the settings.
    const std::tuple<std::string, const char*, std::string, std::string> places[] = {
        {user.path(), "/config", user.file("nimbus"), "/config/nimbus"},
        {"", "", "/home/p/.local/share/nimbus", "/home/p/.config/nimbus"},
    };
    for (const auto& [xdgDataHome, xdgConfigHome, table, settings] : places) {
        ASSERT_EQ(setenv("XDG_DATA_HOME", xdgDataHome.c_str(), 1), 0);
        ASSERT_EQ(setenv("XDG_CONFIG_HOME", xdgConfigHome, 1), 0);
        EXPECT_EQ(HighScoreFile::forData(installed).directory(), table);
        EXPECT_EQ(ProgressFile::forData(installed).directory(), table)
            << "the progress lies beside the table";
        EXPECT_EQ(SettingsFile::forData(installed).directory(), settings);
    }
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"}) unsetenv(name);
    if (!previousHome.empty()) setenv("HOME", previousHome.c_str(), 1);
}

// The default settings with some actions on other keys.
Settings withKeys(std::initializer_list<std::pair<int32_t, int32_t>> keys) {
    Settings settings;
    for (const auto& [action, key] : keys) settings.keys.assign(action, key);
    return settings;
}

// A damaged, partial or missing file, and a save read back. A damaged key puts its action
// on its default; keys two actions would share put every action on its default.
TEST(SettingsFile, ReadsEveryGoodLineSkipsTheBadOnesAndClampsVolumes) {
    // The file's text (null: no file at all), what it reads as and the error lines.
    const std::tuple<const char*, Settings, size_t> cases[] = {
        {nullptr, {}, 0},
        {"player_name =  Ann Lee \r\nmusic_volume=10\neffects_volume = 0\nfullscreen = on\nsymbols = on\n"
         "language = pt_BR\nghost = off",
         {"Ann Lee", 10, 0, true, true, "pt_BR", {}, false},
         0},
        {"music_volume = loud\nfullscreen\n# a comment\n\nsymbols = yes\neffects_volume = 5",
         {"Player", 40, 5, false, false, "", {}, true},
         3},
        {"colour = red\nsymbols = on", {"Player", 40, 70, false, true, "", {}, true}, 1},
        {"music_volume = 250\neffects_volume = -3", {"Player", 100, 0, false, false, "", {}, true}, 0},
        // Beyond a long.
        {"music_volume = -99999999999999999999999", {"Player", 0, 70, false, false, "", {}, true}, 0},
        {"key_roll_left = j\nkey_pause=page down",
         withKeys({{kInputRollLeft, SDLK_j}, {kInputPause, SDLK_PAGEDOWN}}), 0},
        {"key_roll_up = Down\nkey_roll_down = Up",
         withKeys({{kInputRollUp, SDLK_DOWN}, {kInputRollDown, SDLK_UP}}), 0},
        {"key_hint = J\nkey_roll_up = W\nkey_roll_up = Banana", withKeys({{kInputHint, SDLK_j}}), 1},
        {"key_hint = J\nkey_roll_up = Down", {}, 1},
        {"key_hint = Enter", {}, 1},
        {"key_fly = J", {}, 1},
    };
    for (const auto& [text, expected, errors] : cases) {
        SCOPED_TRACE(text ? text : "no file");
        TempFolder folder;
        if (text) folder.write(kSettingsFile, text);
        Settings read;
        LogCapture log;
        EXPECT_EQ(SettingsFile(folder.path()).load(read), text != nullptr);
        EXPECT_EQ(read, expected) << read.write();
        EXPECT_EQ(log.lines().size(), errors) << log.all();
        // The first save makes the missing folders; what it wrote reads back the same.
        const SettingsFile again(folder.file("config/nimbus"));
        Settings reread;
        EXPECT_TRUE(again.save(read) && again.load(reread));
        EXPECT_EQ(reread, read);
    }
}

}  // namespace
}  // namespace nimbus
