// The shipped game on a display of its own, driven like a player through xdotool.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Desktop.h"
#include "GameInstall.h"
#include "PlayerView.h"
#include "core/MessageCatalogue.h"
#include "core/Utf8.h"
#include "core/posix/PosixInArchive.h"
#include "game/DataLayout.h"
#include "game/player/HighScoreFile.h"
#include "game/player/Language.h"
#include "game/player/Replay.h"
#include "game/player/ReplayFolder.h"
#include "game/rules/HighScoreList.h"
#include "gui/KeyNames.h"
#include "render/ViewSize.h"
#include "render/font/GlyphDescription.h"
#include "support/GameFixture.h"
#include "support/TempFolder.h"

using namespace nimbus;
using namespace player;

namespace {

const char* const kPlayerName = "Tester";

// The X name of an action's key as the game comes.
const char* defaultKey(int32_t action) { return keyXName(KeyBindings().key(action)); }
const char* const kLevelOne = NIMBUS_SOURCE_DIR "/assets/levels/01.level";
// The Play button's height in the menus, and how bright a white caption's pixel is in
// every channel, above its blue button and glow.
constexpr float kPlayButtonHeight = 0.14f;
constexpr int kCaptionWhite = 200;

class Player : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::string(NIMBUS_DATA_DIR "/") + kGuiDocument))
            GTEST_SKIP() << "no data built here";
    }
    static bool startAtFrontEnd(Desktop& desktop, GameInstall& game,
                                const std::vector<std::string>& options = {},
                                const std::vector<std::string>& environment = {}) {
        return game.start(desktop.name(), options, environment) && frontEndReady(desktop);
    }
    static bool toLevels(Desktop& desktop) {
        return clickUntil(desktop, kLevelsButton, levelsShown) && levelsReady(desktop);
    }
    // Escape is taken only in a frame without a slide, so pressed until the game has gone.
    static void expectCleanEnd(Desktop& desktop, GameInstall& game, bool escape) {
        int code = -1;
        if (escape) {
            waitFor(kWait, [&] {
                desktop.key(defaultKey(kInputQuit));
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
    HighScoreList list;
    if (!HighScoreFile(dataDirectory).load(list)) return false;
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

// How wide the text is in pixels of the game's window when the font lays it out at the
// height given (GUI units), pen to pen, from the built font's glyph description.
float penWidth(const std::string& text, float height) {
    GlyphDescription font;
    if (!readGlyphDescription(NIMBUS_DATA_DIR "/Fonts/Alba.xml", font) || font.glyphSize <= 0) return 0.0f;
    float advance = 0.0f;
    for (size_t at = 0; at < text.size();) {
        const int32_t code = nextCodePoint(text, at);
        for (const GlyphRecord& glyph : font.glyphs) {
            if (glyph.code == code) advance += static_cast<float>(glyph.advanceX64) / 64.0f;
        }
    }
    return advance / static_cast<float>(font.glyphSize) * height * kViewHeight / 2.0f;
}

}  // namespace

// On a 5 x 5 level whose inner tiles and start fall at once, the name and music volume set on
// the Options screen outlive a restart, the name in the entry the lost lives make; Escape ends
// the game only from the menu; the entry is on disk at once, so a kill loses nothing.
TEST_F(Player, KeepsTheNameTheVolumeAndTheTableThroughARestartAndAKill) {
    Desktop desktop;
    const std::string map = "/tmp/nimbus-e2e-level-" + std::to_string(getpid()) + ".map";
    std::ofstream(map, std::ios::binary)
        << levelMapFromRows({"WWWWW", "WWWWW", "WWSWW", "WWWWW", "WWWWW"}, 0);
    GameInstall game(map);
    std::remove(map.c_str());
    const auto toOptions = [&] {
        desktop.click(kOptionsButton.x, kOptionsButton.y);
        return optionsReady(desktop);
    };
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game)) << "no front end";
    for (int i = 0; i < 6; ++i) desktop.key("BackSpace");
    desktop.type(kPlayerName);
    ASSERT_TRUE(toOptions()) << "no options screen";
    EXPECT_FALSE(musicAboveTwoThirds(desktop));
    desktop.click(kMusicAt80.x, kMusicAt80.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return musicAboveTwoThirds(desktop); })) << "the slider did not move";
    desktop.key(defaultKey(kInputBack));
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "Escape did not lead back";
    expectCleanEnd(desktop, game, true);
    const std::string settings = readFile(game.dataDirectory() + "/" + kSettingsFile);
    EXPECT_NE(settings.find(std::string("player_name = ") + kPlayerName + "\n"), std::string::npos)
        << settings;
    EXPECT_NE(settings.find("music_volume = 80\n"), std::string::npos) << settings;

    ASSERT_TRUE(startAtFrontEnd(desktop, game) && toOptions()) << "no options screen";
    EXPECT_TRUE(musicAboveTwoThirds(desktop)) << "the volume was not kept";
    desktop.click(kOptionsBackButton.x, kOptionsBackButton.y);
    ASSERT_TRUE(frontEndReady(desktop));
    desktop.click(kPlayButton.x, kPlayButton.y);
    // Quick clicks lead on to the scores, maybe before the level shows. Play is clicked only
    // while the menu shows: a click while it slides in from the options is not taken.
    ASSERT_TRUE(waitFor(kWait, [&] {
        const Place place = frontEndShown(desktop) ? kPlayButton : kCentre;
        desktop.click(place.x, place.y);
        return waitFor(1.0f, [&] { return scoresShown(desktop); });
    })) << "a quick click does not lead on from the game-over screen";
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "no new entry in the table";
    EXPECT_TRUE(tableHolds(game.dataDirectory(), kPlayerName)) << "the entry does not carry the name typed";
    EXPECT_TRUE(clickUntil(desktop, kCentre, frontEndShown)) << "no way back to the front end";
    game.signal(SIGKILL);
    game.waitForExit(kWait);

    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    desktop.click(kScoresButton.x, kScoresButton.y);
    EXPECT_TRUE(waitFor(kWait, [&] { return seventhRowShown(desktop); })) << "the entry is gone after a kill";
    expectCleanEnd(desktop, game, false);
}

// Without the mouse, on a screen larger than the window: Tab and Enter start level 01; F11
// goes full screen at the screen's size and back; R costs a life and puts the die back, from
// where the solution still wins. Next leads to level 02; Escape leaves the table and the run,
// which passes the check without a window, and fails it with one command changed.
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
    ASSERT_TRUE(frontEndReady(desktop)) << "no front end";
    for (const char* key : {"Tab", "Tab", "Return"}) desktop.key(key);
    ASSERT_TRUE(levelArrives(desktop)) << "Tab, Tab and Enter did not start level 01";
    desktop.key(defaultKey(kInputFullScreen));
    EXPECT_TRUE(sized(1280, 800)) << width << " x " << height;
    desktop.key(defaultKey(kInputFullScreen));
    EXPECT_TRUE(sized(1024, 768)) << width << " x " << height;
    ASSERT_TRUE(playSolution(desktop, kLevelOne, 3));
    ASSERT_TRUE(heartShown(desktop, 2));
    desktop.key(defaultKey(kInputRestart));
    ASSERT_TRUE(waitFor(kWait, [&] { return !heartShown(desktop, 2); })) << "R did not cost a life";
    ASSERT_TRUE(playSolution(desktop, kLevelOne));
    ASSERT_TRUE(levelCompleteReady(desktop)) << "no level-complete panel";
    desktop.click(kNextButton.x, kNextButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 02 did not start";
    expectCleanEnd(desktop, game, true);
    EXPECT_TRUE(std::filesystem::exists(game.dataDirectory() + "/" + kHighScoresFile));

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

// Level 01 is won by the left arrow's rolls; bound to J on the Keys screen, J wins it at once
// and after a restart, which reads it from the settings.
TEST_F(Player, ARollBoundToJOnTheKeysScreenPlaysTheFirstLevelNowAndAfterARestart) {
    Desktop desktop;
    GameInstall game;
    KeyBindings keys;
    ASSERT_EQ(keys.bind(kInputRollLeft, SDLK_j), KeyBindings::Choice::kBound);
    const auto winLevelOne = [&] {
        if (!playFromMenu(desktop)) return false;
        return playSolution(desktop, kLevelOne, -1, keys) && levelCompleteReady(desktop);
    };
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game)) << "no front end";
    ASSERT_TRUE(clickUntil(desktop, kOptionsButton, optionsShown) && optionsReady(desktop))
        << "no options screen";
    ASSERT_TRUE(clickUntil(desktop, kKeysButton, keysShown) && keysReady(desktop)) << "no Keys screen";
    const Place row = keyRow(kInputRollLeft);
    desktop.click(row.x, row.y);
    usleep(200000);
    desktop.key(keyXName(SDLK_j));
    // Keys that come in the frame that the row let go in go nowhere.
    usleep(200000);
    desktop.key(defaultKey(kInputBack));
    ASSERT_TRUE(waitFor(kWait, [&] { return optionsShown(desktop); }))
        << "Escape did not leave the Keys screen";
    ASSERT_TRUE(optionsReady(desktop));
    desktop.key(defaultKey(kInputBack));
    ASSERT_TRUE(frontEndReady(desktop)) << "Escape did not leave the options";
    EXPECT_TRUE(winLevelOne()) << "J does not roll";
    expectCleanEnd(desktop, game, true);
    const std::string settings = readFile(game.dataDirectory() + "/" + kSettingsFile);
    EXPECT_NE(settings.find("key_roll_left = J\n"), std::string::npos) << settings;

    ASSERT_TRUE(startAtFrontEnd(desktop, game)) << "no front end";
    EXPECT_TRUE(winLevelOne()) << "J does not roll after a restart";
    expectCleanEnd(desktop, game, true);
}

// Minimised, the game draws nothing and takes next to no processor time; restored, it shows
// its front end, and left alone it plays a level behind the menu until a key.
TEST_F(Player, AMinimisedGameRestsAndTheMenuLeftAloneShowsTheDemoUntilAKey) {
    Desktop desktop;
    GameInstall game;
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game, {"--demo-after", "6"})) << "no front end";
    desktop.showGame(false);
    // Once the game has noticed: at most a tenth of the processor.
    EXPECT_TRUE(waitFor(kWait, [&] {
        const double before = cpuSeconds(game.pid());
        usleep(3000000);
        return cpuSeconds(game.pid()) - before < 0.3;
    })) << "minimised, the game does not rest";
    desktop.showGame(true);
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "not drawn again once restored";
    ASSERT_TRUE(waitFor(3 * kWait, [&] { return !frontEndShown(desktop); })) << "no demo";
    ASSERT_TRUE(levelArrives(desktop)) << "no level behind the menu";
    const std::vector<unsigned> screen = screenSample(desktop);
    EXPECT_TRUE(waitFor(kWait, [&] { return screenSample(desktop) != screen; })) << "the board stands still";
    desktop.key("space");
    EXPECT_TRUE(waitFor(kWait, [&] { return frontEndShown(desktop); })) << "the menu does not come back";
    expectCleanEnd(desktop, game, false);
}

// With LANGUAGE=de the Play button's caption is as wide as the German word in the game's
// font, far wider than "Play".
TEST_F(Player, ShowsTheFrontEndInTheLanguageOfTheEnvironment) {
    PosixInArchive data{Path(NIMBUS_DATA_DIR)};
    const std::unique_ptr<MessageCatalogue> german = readCatalogue(data, *findLanguage("de"));
    ASSERT_TRUE(german && german->find("Play"));
    // A button's caption is half as high as the button.
    const float height = kPlayButtonHeight / 2.0f;
    const float expected = penWidth(german->find("Play"), height), english = penWidth("Play", height);
    ASSERT_GT(expected, english * 1.4f) << german->find("Play");

    Desktop desktop;
    GameInstall game;
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game, {}, {"LANGUAGE=de"})) << "no front end";
    const float drawn =
        static_cast<float>(desktop.brightWidth(kPlayButton.x - 0.3f, kPlayButton.y - 0.02f,
                                               kPlayButton.x + 0.3f, kPlayButton.y + 0.08f, kCaptionWhite));
    EXPECT_NEAR(drawn, expected, expected * 0.15f) << "\"Play\" would be " << english << " pixels wide";
    expectCleanEnd(desktop, game, true);
}

// Level 01 practised to its end from the Levels screen: after a restart level 02 is open with
// 01's best shown, its kept run is watched to its end before a key leads back, and the
// table, which a practice never enters, is as it was.
TEST_F(Player, PractisesTheFirstLevelFromTheLevelsScreenAndFindsItsBestAfterARestart) {
    Desktop desktop;
    GameInstall game;
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game) && toLevels(desktop)) << "no Levels screen";
    const int lockedMap = planMapLight(desktop, 1), unwonBest = planBestLight(desktop, 0);
    EXPECT_GT(planMapLight(desktop, 0), 4 * lockedMap + 100) << "level 01 is open, level 02 not yet";
    const Place first = planAt(0);
    desktop.click(first.x, first.y);
    ASSERT_TRUE(levelArrives(desktop)) << "level 01 did not start";
    ASSERT_TRUE(playSolution(desktop, kLevelOne));
    ASSERT_TRUE(waitFor(kWait, [&] { return practiceCompleteShown(desktop); })) << "no practice's panel";
    expectCleanEnd(desktop, game, true);
    const std::string table = readFile(game.dataDirectory() + "/" + kHighScoresFile);
    const std::string progress = readFile(game.dataDirectory() + "/" + kProgressFile);
    for (const char* fact : {"reached 02\n", "score 01 ", "time 01 ", "commands 01 "})
        EXPECT_NE(progress.find(fact), std::string::npos) << progress;

    ASSERT_TRUE(startAtFrontEnd(desktop, game) && toLevels(desktop)) << "no Levels screen after the restart";
    EXPECT_GT(planMapLight(desktop, 1), 4 * lockedMap + 100) << "level 02 is not open";
    EXPECT_GT(planBestLight(desktop, 0), unwonBest + unwonBest / 3) << "level 01 shows no best";
    desktop.click(kFirstWatchButton.x, kFirstWatchButton.y);
    ASSERT_TRUE(levelArrives(desktop)) << "the kept run is not shown";
    EXPECT_TRUE(waitFor(kWait, [&] {
        desktop.key("Return");
        return waitFor(1.0f, [&] { return levelsShown(desktop); });
    })) << "the watched run does not end";
    expectCleanEnd(desktop, game, true);
    EXPECT_FALSE(table.empty());
    EXPECT_EQ(readFile(game.dataDirectory() + "/" + kHighScoresFile), table) << "the table changed";
}

// A level painted with keys and mouse in the editor is saved among the levels once proven and
// won under Your levels; a file dropped in the folder while the game is closed is listed next start.
TEST_F(Player, MakesALevelInTheEditorPlaysItUnderYourLevelsAndListsADroppedFileAfterARestart) {
    Desktop desktop;
    GameInstall game;
    ASSERT_TRUE(desktop.ready() && startAtFrontEnd(desktop, game) && toLevels(desktop)) << "no Levels screen";
    ASSERT_TRUE(clickUntil(desktop, kNewLevelButton, editorShown)) << "no editor";
    desktop.key("3");
    desktop.key("space");
    const Place cell = editorCell(4, 5);
    desktop.click(cell.x, cell.y);
    desktop.key("p");
    const std::string folder = game.dataDirectory() + "/" + kPlayerLevelsFolder;
    const std::string made = folder + "/level" + kLevelExtension;
    // Saved among the drafts until the proof is in; among the levels after.
    ASSERT_TRUE(waitFor(kWait, [&] {
        desktop.key("ctrl+s");
        return waitFor(1.0f, [&] { return std::filesystem::exists(made); });
    })) << "the level was not saved among the player's levels";
    desktop.key("Escape");
    ASSERT_TRUE(waitFor(kWait, [&] { return levelsShown(desktop) && editButtonShown(desktop, 0); }))
        << "the level is not under Your levels";
    // Clicked again whenever the Levels screen stands, as a player would, until the level
    // arrives; the game never turns the proven level away.
    ASSERT_TRUE(playFrom(desktop, planAt(0), levelsShown)) << "the level did not start";
    EXPECT_EQ(game.output().find("cannot be played"), std::string::npos) << game.output();
    ASSERT_TRUE(playSolution(desktop, made));
    ASSERT_TRUE(waitFor(kWait, [&] { return practiceCompleteShown(desktop); })) << "no practice's panel";
    expectCleanEnd(desktop, game, true);

    std::filesystem::copy_file(kLevelOne, folder + "/dropped" + kLevelExtension);
    ASSERT_TRUE(startAtFrontEnd(desktop, game) && toLevels(desktop));
    EXPECT_TRUE(clickUntil(desktop, kOwnLevelsButton, [](Desktop& d) { return editButtonShown(d, 1); }))
        << "the dropped level is not listed";
    expectCleanEnd(desktop, game, true);
}
