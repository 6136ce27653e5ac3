#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "core/ResourceManager.h"
#include "core/VectorOutBuffer.h"
#include "game/Application.h"
#include "game/GameStateInfo.h"
#include "game/HighScoreFile.h"
#include "game/rules/HighScoreList.h"
#include "game/states/GenericState.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "render/Texture.h"
#include "support/FileSizeLimit.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

namespace nimbus {
namespace {

std::string shipped(const std::string& relativePath) { return readFile(NIMBUS_DATA_DIR "/" + relativePath); }

const std::vector<std::string> kLevel = {"...", ".S.", ".G.", "..."};

class StartupTest : public ::testing::Test {
protected:
    bool start() {
        data.addTestDocument();
        app = std::make_unique<Application>(false, data.base());
        return app->startUp();
    }

    TestData data;
    std::unique_ptr<Application> app;
};

TEST(CommandLine, OnlyExactlyMinusWindowAloneGivesAWindow) {
    const std::pair<std::vector<const char*>, bool> cases[] = {
        {{"nimbus"}, true},
        {{"nimbus", "-window"}, false},
        {{"nimbus", "-fullscreen"}, true},
        {{"nimbus", "-Window"}, true},
        {{"nimbus", "-windowed"}, true},
        {{"nimbus", "-window", "-window"}, true},
    };
    for (const auto& [arguments, fullscreen] : cases) {
        EXPECT_EQ(Application::fullscreenRequested(static_cast<int>(arguments.size()), arguments.data()),
                  fullscreen)
            << arguments.size() << " arguments, the last " << arguments.back();
    }
}

TEST_F(StartupTest, AnEmptyLevelDirectoryStartsButPlayIsRefused) {
    LogCapture log;
    ASSERT_TRUE(start());
    EXPECT_TRUE(app->levelNames().empty());
    app->gui()->setProperty(kPropertyExitToState, kStatePlaying);
    app->frame(0.0f);
    EXPECT_STREQ(app->state()->name(), "FrontendState");
    EXPECT_FALSE(app->stateInfo()->stats);
    EXPECT_TRUE(log.saw({"There is no level to play"})) << log.all();
}

TEST_F(StartupTest, ATextureShorterThanItsHeaderSaysStopsTheStart) {
    data.addLevel("1", kLevel);
    data.write("Themes/Common/broken.texture", shipped("Themes/Common/Envmap.texture").substr(0, 200));
    LogCapture log;
    EXPECT_FALSE(start());
    EXPECT_STREQ(app->failedStep(), "data files");
    EXPECT_TRUE(log.saw({"Not enough bytes left in input buffer", "broken.texture"})) << log.all();
    EXPECT_FALSE(app->state());
}

TEST_F(StartupTest, TheThemesTextureReplacesTheCommonOneOfTheSameName) {
    data.addLevel("1", kLevel);
    data.write("Themes/Common/Probe.texture", shipped("Themes/Common/Pickups.texture"));
    data.write("Themes/Lego/Probe.texture", shipped("Themes/Common/Envmap.texture"));
    ASSERT_TRUE(start());
    ResourceHandle<Texture> probe = getResource<Texture>("Textures/Probe", kTextureTypeName);
    ASSERT_TRUE(probe);
    ResourceHandle<Texture> envmap = getResource<Texture>("Textures/Envmap", kTextureTypeName);
    EXPECT_EQ(probe->getWidth(), envmap->getWidth());
    EXPECT_NE(probe->getWidth(), getResource<Texture>("Textures/Pickups", kTextureTypeName)->getWidth());
}

TEST_F(StartupTest, AtStartNoRowOfTheTablePulsesWhetherItIsTheDefaultOrTheSavedOne) {
    // A saved table whose last add went to the top, as every played game leaves it.
    HighScoreList played;
    played.add("Earlier", 300);
    played.add("Best", 900);
    VectorOutBuffer bytes;
    ASSERT_TRUE(played.write(bytes));
    for (const auto& [withFile, best] : {std::pair(false, "Wenna"), std::pair(true, "Best")}) {
        TestData fresh;
        fresh.addLevel("1", kLevel);
        fresh.addTestDocument();
        if (withFile)
            fresh.write(HighScoreFile::kFileName, std::string(bytes.bytes().begin(), bytes.bytes().end()));
        Application started(false, fresh.base());
        ASSERT_TRUE(started.startUp());
        EXPECT_EQ(started.gui()->getProperty(std::string(kPropertyHighScoreName) + "0"), best);
        EXPECT_EQ(started.gui()->getProperty(kPropertyNewestEntry), "-1") << "with file " << withFile;
        EXPECT_EQ(started.stateInfo()->highScores.newestIndex(), -1);
    }
}

TEST(HighScoreFile, ThePlayersFolderFollowsTheXdgRules) {
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
}  // namespace nimbus
