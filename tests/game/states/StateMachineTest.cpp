#include <SDL/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "WindowPixel.h"
#include "core/MessageCatalogue.h"
#include "game/Application.h"
#include "game/DataLayout.h"
#include "game/GameNames.h"
#include "game/GameStateInfo.h"
#include "game/launch/ReplayCheck.h"
#include "game/level/EditorSession.h"
#include "game/rules/GameDice.h"
#include "game/rules/GameImpl.h"
#include "game/rules/GhostRun.h"
#include "game/rules/TileColor.h"
#include "game/scene/ColorSymbols.h"
#include "game/solver/LevelModel.h"
#include "game/states/DemoState.h"
#include "game/states/LevelCompleteState.h"
#include "game/states/LevelEditorState.h"
#include "game/states/PlayingState.h"
#include "game/states/WatchState.h"
#include "game/windows/LevelPlanWindow.h"
#include "game/windows/LevelWatchButton.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Window.h"
#include "sound/GameSound.h"
#include "sound/MusicPlayer.h"
#include "support/LogCapture.h"
#include "support/RecordingRenderer.h"
#include "support/SdlEvents.h"
#include "support/TempFolder.h"
#include "support/TestData.h"

using namespace nimbus;

namespace {

// One key press wins; the start crumbles at once (a life lost a frame); three rolls.
const std::vector<std::string> kOneStepLevel = {"...", ".S.", ".G.", "..."},
                               kCrumblingLevel = {"...", ".S.", "..."},
                               kCorridorLevel = {"......", ".SWWG.", "......"};

// The buttons of the test document, in GUI coordinates.
struct Place {
    float x, y;
};
constexpr Place kPlay{0.0f, 0.3f}, kQuit{0.0f, -0.3f}, kToMenu{1.0f, 0.85f}, kPause{-1.0f, 0.85f},
    kNext{0.0f, -0.3f}, kBack{0.0f, -0.6f}, kBoard{0.0f, -0.2f}, kLevels{0.0f, 0.0f};
constexpr Place kPlans[] = {{-0.8f, 0.3f}, {0.0f, 0.3f}, {0.8f, 0.3f}};
constexpr Place kWatchFirst{-0.63f, 0.115f}, kPracticeLevels{0.0f, -0.6f};
constexpr Place kOwnLevels{-0.8f, -0.3f}, kNewLevel{0.8f, -0.3f}, kEditFirst{-0.63f, 0.465f},
    kEditorTest{1.1f, 0.4f}, kEditorProve{1.1f, 0.2f}, kEditorSave{1.1f, 0.0f}, kEditorBack{1.1f, -0.8f};
// A level of the player's won by one roll, as the game's one-step level is.
const char* const kOwnLevel = "title Short Hop\ntiles\nk k k\nk S k\nk G k\nk k k\n";

void pressKey(SDLKey key, SDLMod modifiers = KMOD_NONE) {
    pushKey(SDL_KEYDOWN, key, 0, modifiers);
    pushKey(SDL_KEYUP, key, 0, modifiers);
}

// Moves the pointer there and presses the left button (and lets go unless `hold`).
void click(Place place, bool hold = false) {
    const Uint16 x = static_cast<Uint16>(windowPixelX(place.x));
    const Uint16 y = static_cast<Uint16>(windowPixelY(place.y));
    pushMotion(x, y);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y);
    if (!hold) pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, x, y);
}

// An event of the window: the focus lost, or (SDL_QUIT) the window closed.
void pushWindowEvent(Uint8 type) {
    SDL_Event e{};
    e.type = type;
    e.active.state = SDL_APPINPUTFOCUS;
    pushSdlEvent(e);
}

// The whole game on its own data with the test document, driven by events on SDL's queue.
class StateMachineTest : public ::testing::Test {
protected:
    void boot() {
        data.addTestDocument();
        app = std::make_unique<Application>(false, data.data());
        ASSERT_TRUE(app->startUp());
        EXPECT_TRUE(app->startUp()) << "a second start answers as the first did";
        settle();
    }
    std::string state() { return app->state()->name(); }
    GameStateInfo& info() { return *app->stateInfo(); }
    Gui& gui() { return *app->gui(); }
    const GameImpl& game() { return *dynamic_cast<PlayingState&>(*app->state()).game(); }

    void frames(int count) {
        for (int i = 0; i < count; ++i) app->frame(kStep);
    }
    // Frames until `done`, giving a worker thread time between them.
    template <typename Done>
    void waitFor(Done done) {
        for (int i = 0; i < 400 && !done(); ++i) {
            app->frame(kStep);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_TRUE(done()) << state();
    }
    void runUntil(const char* name) {
        waitFor([&] { return state() == name; });
    }
    // A frame for what was just pushed, then until the GUI has finished what it started.
    void settle() {
        app->frame(kStep);
        for (int i = 0; i < 60 && (gui().busy() || !gui().signals().empty()); ++i) app->frame(kStep);
    }
    void play() {
        settle();
        enter(kPlay);
    }
    void enter(Place button) { go(button, "PlayingState"); }
    // A click on the button, then frames until the state named (if any) is in and settled.
    void go(Place button, const char* state = nullptr) {
        click(button);
        if (state) runUntil(state);
        settle();
    }
    // The keys pressed in turn, then frames until the state named is in and settled.
    void pressUntil(std::initializer_list<SDLKey> keys, const char* state) {
        for (SDLKey key : keys) pressKey(key);
        runUntil(state);
        settle();
    }
    void openOwnLevels() {
        go(kLevels, "LevelsState");
        go(kOwnLevels);
    }
    // Rolls towards smaller x until the level is won.
    void rollLeftToTheGoal() {
        for (int roll = 0; roll < 3 && state() == "PlayingState"; ++roll) {
            pressKey(SDLK_LEFT);
            frames(3);
        }
        runUntil("LevelCompleteState");
        settle();
    }
    const LevelEditorState& editor() { return dynamic_cast<LevelEditorState&>(*app->state()); }
    bool exists(const std::string& relative) {
        return ::access((data.data() + "/" + relative).c_str(), F_OK) == 0;
    }
    void winLevel() {
        pressKey(SDLK_UP);
        frames(1);
        EXPECT_EQ(state(), "HideGameState");
        runUntil("LevelCompleteState");
        settle();
    }

    // Whether a frame draws a caption's dark band over the view.
    bool captionShown() {
        RecordingRenderer recorder;
        ScreenspaceRenderer* screen = std::exchange(info().screenRenderer, &recorder);
        app->frame(kStep);
        info().screenRenderer = screen;
        return std::any_of(
            recorder.added.begin(), recorder.added.end(),
            [](const RecordingRenderer::Added& added) { return added.quad.corners[0].a == 0.72f; });
    }

    static constexpr float kStep = 0.25f;
    TestData data;
    std::unique_ptr<Application> app;
};

TEST_F(StateMachineTest, LevelsFollowEachOtherAndWrapAroundAPauseHoldsAndEscapeQuits) {
    data.addLevel("1", kOneStepLevel);
    data.addLevel("2", kOneStepLevel);
    boot();
    play();
    winLevel();
    EXPECT_EQ(gui().getProperty(kPropertyTotalScore), "Total: 1050");
    EXPECT_EQ(gui().getProperty(kPropertyLevelScore), "Level: 1050");
    // The won level is kept as its replay, which reaches its score without a window.
    std::ostringstream checked;
    EXPECT_EQ(0, checkReplay(data.data() + "/replays/1.replay", data.data(), checked));
    EXPECT_NE(checked.str().find("score 1050,"), std::string::npos) << checked.str();
    enter(kNext);
    EXPECT_EQ(game().levelIndex(), 1);

    winLevel();
    EXPECT_EQ(dynamic_cast<LevelCompleteState&>(*app->state()).nextLevel(), 0)
        << "the first follows the last";
    // The combo of the first level still runs: its one new tile scores 100.
    EXPECT_EQ(gui().getProperty(kPropertyTotalScore), "Total: 2150");
    EXPECT_EQ(gui().getProperty(kPropertyLevelScore), "Level: 1100");
    enter(kNext);
    EXPECT_EQ(game().levelIndex(), 0);

    // Back to the menus: the game is over, and Play starts a new one at the first level.
    click(kToMenu);
    frames(2);
    EXPECT_EQ(state(), "HideGameState");
    runUntil("FrontendState");
    EXPECT_FALSE(info().stats);
    play();
    EXPECT_EQ(game().levelIndex(), 0);
    EXPECT_EQ(info().stats->score, 0);

    // Pause toggles once; losing the focus only pauses; Escape or closing the window quits.
    go(kPause);
    EXPECT_TRUE(game().paused());
    frames(4);
    EXPECT_TRUE(game().paused()) << "the request is used up";
    go(kPause);
    EXPECT_FALSE(game().paused());

    pushWindowEvent(SDL_ACTIVEEVENT);
    frames(1);
    EXPECT_TRUE(game().paused());
    const float clock = game().levelClock();
    frames(4);
    EXPECT_EQ(game().levelClock(), clock) << "it stays paused";
    pressKey(SDLK_SPACE);
    frames(1);
    EXPECT_FALSE(game().paused()) << "the player resumes";
    pressKey(SDLK_SPACE);
    pushWindowEvent(SDL_ACTIVEEVENT);
    frames(2);
    EXPECT_TRUE(game().paused()) << "a paused game stays paused";

    pressKey(SDLK_ESCAPE);
    frames(1);
    EXPECT_TRUE(app->quitRequested());
    info().quit = false;
    pushWindowEvent(SDL_QUIT);
    frames(1);
    EXPECT_TRUE(app->quitRequested()) << "closing the window";
}

TEST_F(StateMachineTest, TheLastLifeLostFreezesTheBoardUntilTheButtonIsHeld) {
    data.addLevel("1", kCrumblingLevel, 0);
    boot();
    gui().setProperty(kPropertyPlayerName, "Tess");
    play();
    ASSERT_EQ(info().stats->lives, 0) << "the start tile crumbled under the die three times";
    EXPECT_TRUE(dynamic_cast<PlayingState&>(*app->state()).gameOver());
    EXPECT_TRUE(game().paused());
    EXPECT_TRUE(game().hidden());
    EXPECT_EQ(gui().getProperty(kPropertyScore), "0");
    frames(8);
    EXPECT_EQ(state(), "PlayingState") << "the frozen board waits for the player";

    click(kBoard, true);
    runUntil("HideGameState");
    runUntil("GameOverState");
    ASSERT_EQ(info().highScores.size(), 7);
    EXPECT_EQ(info().highScores[6].name, "Tess");
    EXPECT_EQ(gui().getProperty("highscore_name_6"), "Tess");
    settle();
    go(kBack, "FrontendState");
}

// Without the mouse: focus keys and Enter work the menus and leave the frozen board; F11
// and Alt+Enter switch the screen in every state, Enter alone belongs to the menus.
TEST_F(StateMachineTest, TheKeyboardAloneSwitchesTheScreenAndLeadsThroughALevelAndTheEndOfTheGame) {
    data.addLevel("1", kOneStepLevel);
    data.addLevel("2", kCrumblingLevel, 0);
    boot();
    // The press switches; the release that follows in a later frame does nothing more.
    pushKey(SDL_KEYDOWN, SDLK_F11);
    frames(1);
    EXPECT_TRUE(app->fullscreen()) << "from the front end";
    pushKey(SDL_KEYUP, SDLK_F11);
    frames(1);
    pressUntil({SDLK_TAB, SDLK_RETURN}, "PlayingState");
    const std::tuple<SDLKey, SDLMod, bool> presses[] = {{SDLK_RETURN, KMOD_NONE, true},
                                                        {SDLK_RETURN, KMOD_LALT, false},
                                                        {SDLK_F11, KMOD_NONE, true},
                                                        {SDLK_RETURN, KMOD_RALT, false}};
    for (const auto& [key, modifiers, fullscreen] : presses) {
        pressKey(key, modifiers);
        frames(1);
        EXPECT_EQ(app->fullscreen(), fullscreen) << key << " with " << modifiers;
    }
    winLevel();
    pressUntil({SDLK_DOWN, SDLK_RETURN}, "PlayingState");
    ASSERT_EQ(info().stats->lives, 0);
    pressUntil({SDLK_RETURN}, "GameOverState");
    pressUntil({SDLK_TAB, SDLK_RETURN}, "FrontendState");
}

// Saved settings reach screen, menus, keys and sound, the language over the system's; menu changes apply
// after the frame, the menus in the language chosen (the default name stays the default), the system's
// language saved as none, the Keys screen's Defaults; the mute key keeps the volume.
TEST_F(StateMachineTest, SettingsComeFromTheirFileAndChangesAreAppliedAndSavedAtOnce) {
    data.write(kSettingsFile, "music_volume = 20\nfullscreen = off\nlanguage = fr\nkey_mute = Q\n");
    data.write(kGuiDocument, R"(<gui><windows>
        <window class="null" name="options" x="0" y="0" w="1" h="1" show="true"/>
      </windows><transitions>
        <transition condition="options_back"><action class="hide" target="options"/></transition>
      </transitions></gui>)");
    app = std::make_unique<Application>(true, data.data());
    app->followScreenSetting();
    app->setSystemLanguage("es");
    ASSERT_TRUE(app->startUp());
    EXPECT_FALSE(app->fullscreen()) << "the settings choose the screen";
    EXPECT_EQ(gui().getProperty(kPropertyPlayerName), "Joueur");
    EXPECT_EQ(gui().getProperty(kPropertySymbols), "Non");
    EXPECT_EQ(gui().getProperty(kPropertyLanguage), "Français");
    EXPECT_EQ(info().music->volume(), 25);
    gui().setProperty(kPropertyEffectsVolume, "50");
    gui().setProperty(kPropertyToggleSymbols, "yes");
    gui().setProperty(kPropertyNextLanguage, "yes");
    frames(1);
    EXPECT_EQ(info().sound->effectVolume(), 64);
    EXPECT_EQ(gui().getProperty(kPropertySymbols), "Sí");
    EXPECT_EQ(gui().getProperty(kPropertyLanguage) + " " + gui().getProperty(kPropertyPlayerName),
              "Español Jugador");
    EXPECT_EQ(gui().getProperty(kPropertyToggleSymbols) + gui().getProperty(kPropertyNextLanguage), "");
    EXPECT_TRUE(colorSymbolsShown());
    EXPECT_STREQ(translated("Off"), "No");
    const std::string saved = readFile(data.data() + "/" + kSettingsFile);
    for (const char* line :
         {"player_name = Player\n", "effects_volume = 50\n", "symbols = on\n", "language = \n"})
        EXPECT_NE(saved.find(line), std::string::npos) << saved;

    pressKey(SDLK_ESCAPE);
    settle();
    EXPECT_FALSE(app->quitRequested());
    EXPECT_FALSE(gui().findWindow("options")->visible());
    pressKey(SDLK_q);
    frames(1);
    EXPECT_TRUE(info().music->muted());
    EXPECT_EQ(info().music->volume(), 25);
    gui().setProperty(kPropertyKeysDefaults, "yes");
    frames(1);
    EXPECT_EQ(gui().keys(), KeyBindings());
    EXPECT_NE(readFile(data.data() + "/" + kSettingsFile).find("key_mute = M\n"), std::string::npos);
    pressKey(SDLK_ESCAPE);
    frames(1);
    EXPECT_TRUE(app->quitRequested()) << "away from the options screen Escape still quits";
    showColorSymbols(false);
}

TEST_F(StateMachineTest, ALevelThatDoesNotLoadLeadsBackToTheFrontEnd) {
    data.write(std::string(kLevelsFolder) + "/1/readme.txt", "no map here");
    boot();
    LogCapture log;
    play();
    runUntil("FrontendState");
    settle();
    EXPECT_TRUE(gui().findWindow("menu")->visible());
    EXPECT_TRUE(log.saw({"Level 1 could not be loaded"})) << log.all();
}

// No level not reached starts. A practice records the level's best and opens the next;
// Escape and the last life lost take it back to the screen, never to the table.
TEST_F(StateMachineTest, TheLevelsScreenLightsTheFurthestLevelAndPractisesOpenLevelsAwayFromTheTable) {
    data.addLevel("1", kCrumblingLevel, 0);
    data.addLevel("2", kOneStepLevel);
    data.addLevel("3", kOneStepLevel);
    data.write(kProgressFile, "reached 2\n");
    boot();
    go(kLevels, "LevelsState");
    EXPECT_EQ(gui().focus(), gui().findWindow("plan_1"));
    go(kPlans[2]);
    EXPECT_EQ(state(), "LevelsState") << "level 3 is not reached";

    enter(kPlans[1]);
    EXPECT_TRUE(info().practice);
    EXPECT_EQ(game().levelIndex(), 1);
    winLevel();
    EXPECT_EQ(gui().getProperty(kPropertyBestScore), "New best!");
    const std::string saved = readFile(data.data() + "/" + kProgressFile);
    for (const char* fact : {"reached 3\n", "score 2 1050 "})
        EXPECT_NE(saved.find(fact), std::string::npos) << saved;
    enter(kNext);
    EXPECT_EQ(game().levelIndex(), 2);
    EXPECT_TRUE(info().practice);
    pressUntil({SDLK_ESCAPE}, "LevelsState");
    EXPECT_FALSE(app->quitRequested());
    EXPECT_TRUE(dynamic_cast<LevelPlanWindow&>(*gui().findWindow("plan_2")).open());

    enter(kPlans[0]);
    ASSERT_EQ(info().stats->lives, 0);
    click(kBoard, true);
    runUntil("LevelsState");
    EXPECT_EQ(info().highScores.size(), 6);
}

// H shows the roll once, until its time is up. The demo plays until a key on its own
// stats: no game is started, the table stays as it was.
TEST_F(StateMachineTest, HShowsTheRollOfAShortestWinAndTheMenuLeftAloneGivesWayToADemo) {
    data.addLevel("1", kCorridorLevel);
    boot();
    play();
    EXPECT_TRUE(captionShown()) << "the level's caption";
    pressKey(SDLK_h);
    waitFor([&] { return game().hintedRoll() != -1; });
    EXPECT_EQ(game().hintedRoll(), 1) << "towards x + 1";
    for (const FloatingText& text : game().floatingTexts().entries())
        EXPECT_NE(text.text, "Wait a moment, then roll");
    pressKey(SDLK_h);
    frames(1);
    EXPECT_EQ(game().hintedRoll(), 1) << "a second H changes nothing";
    frames(20);
    EXPECT_EQ(game().hintedRoll(), -1) << "gone after a few seconds";
    EXPECT_FALSE(captionShown()) << "the level's caption goes after three seconds, rolled or not";
    go(kToMenu, "FrontendState");
    info().demoAfterSeconds = 2.0f;
    waitFor([&] { return state() == "DemoState"; });
    settle();
    // A frame of a quarter second plays four steps of the solution, never all it missed.
    const GameImpl& demo = *dynamic_cast<DemoState&>(*app->state()).game();
    const float clock = demo.levelClock();
    frames(1);
    EXPECT_NEAR(demo.levelClock() - clock, 4 * kFrameSeconds, 1e-4f);
    EXPECT_FALSE(gui().findWindow("menu")->visible());
    EXPECT_TRUE(gui().findWindow(kWindowGame)->visible());
    EXPECT_NE(gui().getProperty(kPropertyScore), "0") << "the die has rolled onto a new tile";
    for (int i = 0; i < 20; ++i) pushMotion(10, 10);  // more than a frame takes
    settle();
    EXPECT_EQ(state(), "DemoState") << "a pointer that only moves leaves the demo playing";
    pressUntil({SDLK_a}, "FrontendState");
    EXPECT_TRUE(gui().findWindow("menu")->visible());
    EXPECT_FALSE(info().stats);
    EXPECT_EQ(info().highScores.size(), 6);
    go(kQuit);
    EXPECT_TRUE(app->quitRequested());
}

// The demo prefers a level with a kept run to one without.
TEST_F(StateMachineTest, AWonLevelsRunRacesAlongAsAGhostAndPlaysAsTheDemo) {
    data.addLevel("1", kCorridorLevel);
    data.addLevel("2", kCorridorLevel);
    boot();
    play();
    rollLeftToTheGoal();
    enter(kNext);
    go(kToMenu, "FrontendState");
    play();
    EXPECT_EQ(game().levelIndex(), 0);
    const GhostRun* ghost = dynamic_cast<PlayingState&>(*app->state()).ghost();
    ASSERT_TRUE(ghost);
    frames(2);
    EXPECT_GT(ghost->die().position().x, game().dieCell().x) << "the ghost rolls on, the die stands";
    go(kToMenu, "FrontendState");
    info().demoAfterSeconds = 2.0f;
    waitFor([&] { return state() == "DemoState"; });
    const DemoState& demo = dynamic_cast<DemoState&>(*app->state());
    EXPECT_TRUE(demo.playsOwnRun());
    EXPECT_EQ(demo.game()->levelIndex(), 0);
}

// Watched from the Levels screen, faster and paused at will; a level whose kept run is
// refused, or that has none, offers no Watch.
TEST_F(StateMachineTest, AKeptRunIsWatchedToItsRecordedScoreAndKeepsNothing) {
    for (const char* level : {"1", "2", "3"}) data.addLevel(level, kCorridorLevel);
    data.write(kProgressFile, "reached 3\n");
    data.write(std::string(kReplaysFolder) + "/2" + kReplayExtension, "not a replay");
    boot();
    go(kLevels, "LevelsState");
    enter(kPlans[0]);
    rollLeftToTheGoal();
    go(kPracticeLevels, "LevelsState");
    const char* watched[] = {"1", "", ""};
    for (int slot = 0; slot < 3; ++slot) {
        const auto& watch =
            dynamic_cast<LevelWatchButton&>(*gui().findWindow(("watch_" + std::to_string(slot)).c_str()));
        EXPECT_EQ(watch.level(), watched[slot]) << slot;
    }
    const std::string replayFile = data.data() + "/" + kReplaysFolder + "/1" + kReplayExtension;
    const std::string progress = readFile(data.data() + "/" + kProgressFile), replay = readFile(replayFile);

    go(kWatchFirst, "WatchState");
    const WatchState& watching = dynamic_cast<WatchState&>(*app->state());
    pressKey(SDLK_SPACE);
    frames(1);
    const float clock = watching.game()->levelClock();
    frames(2);
    EXPECT_EQ(watching.game()->levelClock(), clock) << "paused";
    pressKey(SDLK_SPACE);
    pressKey(SDLK_4);
    frames(1);
    EXPECT_EQ(watching.speed(), 4);
    waitFor([&] { return watching.over(); });
    frames(1);
    EXPECT_TRUE(watching.game()->levelComplete());
    EXPECT_GT(watching.replay().header.score, 0);
    EXPECT_EQ(gui().getProperty(kPropertyScore), std::to_string(watching.replay().header.score));
    pressUntil({SDLK_a}, "LevelsState");
    EXPECT_EQ(readFile(data.data() + "/" + kProgressFile), progress);
    EXPECT_EQ(readFile(replayFile), replay);
    EXPECT_EQ(info().highScores.size(), 6);
    EXPECT_FALSE(WatchState(info(), 3).game()) << "there is no level past the last to watch";
}

// The proven one is practised to its goal, its best kept under its file away from the
// table, and its Edit opens it in the editor with its proof.
TEST_F(StateMachineTest, YourLevelsListsARefusedFileWithItsReasonAndPlaysOnlyTheProvenOne) {
    data.addLevel("1", kOneStepLevel);
    data.write(std::string(kPlayerLevelsFolder) + "/a-hop.level", kOwnLevel);
    data.write(std::string(kPlayerLevelsFolder) + "/b-junk.level", "junk\n");
    boot();
    openOwnLevels();
    waitFor([&] { return !info().playerLevels.proving(); });
    settle();
    const auto& refused = dynamic_cast<LevelPlanWindow&>(*gui().findWindow("plan_1"));
    EXPECT_EQ(refused.level(), "b-junk.level");
    EXPECT_FALSE(refused.open());
    EXPECT_EQ(gui().getProperty(std::string(kPropertyLevelBest) + "1").rfind("b-junk.level:1: ", 0), 0u);
    go(kPlans[1]);
    EXPECT_EQ(state(), "LevelsState") << "a refused level cannot be played";

    enter(kPlans[0]);
    EXPECT_EQ(info().ownLevel, "a-hop.level");
    winLevel();
    const std::string saved = readFile(data.data() + "/" + kProgressFile);
    EXPECT_NE(saved.find("score a-hop.level "), std::string::npos) << saved;
    EXPECT_EQ(info().highScores.size(), 6);
    go(kPracticeLevels, "LevelsState");
    go(kEditFirst, "LevelEditorState");
    EXPECT_EQ(editor().session().file, "a-hop.level");
    EXPECT_TRUE(editor().session().proven()) << "its proof comes along";
}

// Each key edit is one step; Escape from Test brings the editor back; an unproven level is
// saved among the drafts only, a proven one where the Levels screen lists it.
TEST_F(StateMachineTest, TheEditorUndoesRedoesTestsAndSavesOnlyAProvenLevelAmongTheLevels) {
    data.addLevel("1", kOneStepLevel);
    boot();
    openOwnLevels();
    go(kNewLevel, "LevelEditorState");
    EXPECT_EQ(gui().getProperty(kPropertyEditorEveryText), translated(kEditorEveryOne));
    const Position cell = editor().cursor();
    gui().setProperty(kPropertyEditorCommand, kEditorDraftOpen);
    frames(1);
    EXPECT_EQ(state(), "LevelEditorState") << "no draft to open yet";
    const struct {
        SDLKey key;
        SDLMod mod;
        int32_t color;
    } edits[] = {{SDLK_SPACE, KMOD_NONE, kRed}, {SDLK_z, KMOD_LCTRL, kWhite}, {SDLK_y, KMOD_LCTRL, kRed}};
    pressKey(SDLK_1);
    for (const auto& edit : edits) {
        pressKey(edit.key, edit.mod);
        frames(1);
        EXPECT_EQ(editor().session().editor.board().tileAt(cell).color, edit.color) << edit.key;
    }
    pressKey(SDLK_l);
    pressKey(SDLK_SPACE);
    frames(1);
    EXPECT_NE(gui().getProperty(kPropertyEditorCell).find(", Extra life"), std::string::npos);
    pressKey(SDLK_z, KMOD_LCTRL);
    frames(1);
    const uint32_t revision = editor().session().editor.revision();

    enter(kEditorTest);
    EXPECT_TRUE(info().testing);
    EXPECT_EQ(game().board()->tileAt(cell).color, kRed);
    pressUntil({SDLK_ESCAPE}, "LevelEditorState");
    EXPECT_EQ(editor().session().editor.revision(), revision);

    go(kEditorSave);
    const std::string file = editor().session().file;
    EXPECT_TRUE(exists(std::string(kDraftsFolder) + "/" + file));
    EXPECT_FALSE(exists(std::string(kPlayerLevelsFolder) + "/" + file));
    click(kEditorProve);
    waitFor([&] { return editor().session().proven(); });
    go(kEditorSave);
    EXPECT_TRUE(exists(std::string(kPlayerLevelsFolder) + "/" + file));
    EXPECT_FALSE(exists(std::string(kDraftsFolder) + "/" + file)) << "the proven level replaces its draft";
    go(kEditorBack, "LevelsState");
    EXPECT_EQ(dynamic_cast<LevelPlanWindow&>(*gui().findWindow("plan_0")).level(), file);
    enter(kPlans[0]);
    EXPECT_EQ(info().ownLevel, file);
}

}  // namespace
