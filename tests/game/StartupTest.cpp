#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

#include "core/ResourceManager.h"
#include "game/Application.h"
#include "game/DataLayout.h"
#include "game/GameStateInfo.h"
#include "game/player/HighScoreFile.h"
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
        app = std::make_unique<Application>(false, data.data());
        return app->startUp();
    }

    TestData data;
    std::unique_ptr<Application> app;
};

// The theme's textures replace the common ones of the same name.
TEST_F(StartupTest, AnEmptyLevelDirectoryStartsButPlayIsRefusedAndTheThemesTexturesWin) {
    const std::string common = std::string(kCommonThemeFolder) + "/";
    data.write(common + "Probe.texture", shipped(common + "Pickups.texture"));
    data.write(std::string(kPlayedThemeFolder) + "/Probe.texture", shipped(common + "Envmap.texture"));
    LogCapture log;
    ASSERT_TRUE(start());
    ResourceHandle<Texture> probe = getResource<Texture>("Textures/Probe", kTextureTypeName);
    ASSERT_TRUE(probe);
    ResourceHandle<Texture> envmap = getResource<Texture>("Textures/Envmap", kTextureTypeName);
    EXPECT_EQ(probe->getWidth(), envmap->getWidth());
    EXPECT_NE(probe->getWidth(), getResource<Texture>("Textures/Pickups", kTextureTypeName)->getWidth());
    EXPECT_TRUE(app->levelNames().empty());
    app->gui()->setProperty(kPropertyExitToState, kStatePlaying);
    app->frame(0.0f);
    EXPECT_STREQ(app->state()->name(), "FrontendState");
    EXPECT_FALSE(app->stateInfo()->stats);
    EXPECT_TRUE(log.saw({"There is no level to play"})) << log.all();
}

// Never start with pieces silently missing: a file unopened or shorter than it says stops it.
TEST(DamagedData, AFileThatCannotBeReadStopsTheStartNamingIt) {
    // The folder and file, the step that stops, and whether the file dangles or is cut short.
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {kShadersFolder, "Dice.fx", "data files", true},
        {kCommonThemeFolder, "Envmap.texture", "data files", true},
        {kCommonThemeFolder, "Envmap.texture", "data files", false},
        {kCommonThemeFolder, "Stop.model", "data files", true},
        {kSoundsFolder, "Move.sound", "sound", true},
    };
    for (const auto& [folder, name, step, dangling] : cases) {
        const std::string file = std::string(folder) + "/" + name;
        SCOPED_TRACE(file);
        TestData data;
        data.addLevel("1", kLevel);
        data.addTestDocument();
        if (dangling)
            data.link(file, "/nonexistent");
        else
            data.write(file, shipped(file).substr(0, 200));
        LogCapture log;
        Application app(false, data.data());
        EXPECT_FALSE(app.startUp());
        EXPECT_STREQ(app.failedStep(), step);
        EXPECT_TRUE(log.saw({name})) << log.all();
    }
}

// A result is on disk the moment it enters the table; an unchanged table is never written;
// a failed save (a full disk) is reported once and tried again at the next change and at
// quit. At a start no row pulses, default or saved table, even after an add to the top.
TEST_F(StartupTest, TheTableIsSavedWhenItChangesAndAFailedSaveWaitsForTheNextChange) {
    data.addLevel("1", kLevel);
    ASSERT_TRUE(start());
    auto saved = [&] {
        HighScoreList list;
        HighScoreFile(data.data()).load(list);
        return list;
    };
    const auto expectAtStart = [&](const char* best) {
        EXPECT_EQ(app->gui()->getProperty(std::string(kPropertyHighScoreName) + "0"), best);
        EXPECT_EQ(app->gui()->getProperty(kPropertyNewestEntry), "-1");
    };
    expectAtStart("Wenna");
    app->frame(0.0f);
    HighScoreList none;
    EXPECT_FALSE(HighScoreFile(data.data()).load(none)) << "an unchanged table was written";

    HighScoreList& table = app->stateInfo()->highScores;
    table.add("First", 100);
    app->frame(0.0f);
    EXPECT_TRUE(saved().sameEntries(table));

    const HighScoreList before = table;
    LogCapture log;
    {
        FileSizeLimit full(0);
        ASSERT_TRUE(full.active());
        table.add("Best", 9000);
        app->frame(0.0f);
        app->frame(0.0f);
        EXPECT_EQ(log.lines().size(), 1u) << log.all();
    }
    EXPECT_TRUE(saved().sameEntries(before)) << "the failed save kept the old table";
    EXPECT_TRUE(app->saveHighScores());
    EXPECT_TRUE(saved().sameEntries(table));
    app.reset();
    ASSERT_TRUE(start());
    expectAtStart("Best");
}

}  // namespace
}  // namespace nimbus
