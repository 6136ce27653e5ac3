#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ProcessWide.h"
#include "game/launch/CommandLine.h"
#include "game/player/HighScoreFile.h"
#include "game/player/ProgressFile.h"
#include "game/player/Settings.h"
#include "game/player/SettingsFile.h"
#include "game/rules/HighScoreList.h"
#include "gui/Gamepad.h"
#include "sound/SoundStartup.h"

namespace nimbus {

class Core;
class EditableGui;
class GenericState;
class MessageCatalogue;
class OglScreenspaceRenderer;
class ResourceManager;
struct GameStateInfo;

// The game's spine: owns every long-lived service, brings them up as one sequence of
// named steps, drives the state machine one frame at a time, and tears everything down
// again by running the same steps backwards. Each step's undo skips what its start never
// created, so a start-up that failed half-way tears down cleanly.
//
// run() is the whole life of the game: start-up, then frames, no more of them than the
// display shows (FramePacer) and none while the window is minimised, until a state asks
// to quit or the process is asked to end (SIGTERM, SIGINT, SIGHUP); SIGUSR1 prints the
// live heap of the tracking allocator on standard output. Tests, the gallery and the
// benchmarks call startUp() and frame() themselves.
//
// The high-score table is saved the moment it changes, so a crash or a power cut never
// loses a result the player has seen; quitting saves again only when the table differs
// from what was last written. A save that fails is logged once and tried again at the
// next change and at quit. The settings are read before the window opens, published to
// the menus once the states start, and taken back after every frame: a change is applied
// at once (volumes, symbols, full screen, language; F11 asks as the Options switch does)
// and saved at once, through the same kind of file as the table, placed alike. The game
// speaks the language of the settings, or else the one of the player's environment. The
// player's progress is read at start-up beside the table and saved the moment a level is
// reached or a best set, in the same way. The player's own levels, in a folder beside
// those files, are proven on a worker thread from the start.
class Application {
public:
    // Makes the data directory the working directory and opens the process-wide
    // archives on it; the high-score table and the settings go where `scores` allows.
    Application(bool fullscreen, const std::string& dataDirectory,
                HighScorePlace scores = HighScorePlace::BesideWritableData);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up and the frame loop; false when start-up failed.
    bool run();
    // Every start-up step in order, once; false at the first that fails.
    bool startUp();
    // One frame of the current state with a step of dt seconds; swaps in the state it
    // returns, calling the old one's exit and the new one's enter; then takes the
    // settings from the menus, and saves them and the high-score table if they changed.
    void frame(float dt);
    // Saves the high-score table unless the file already holds it; false (logged) when it
    // could not be written.
    bool saveHighScores();

    // Full screen at the desktop's size, or the 1024 x 768 window; before start-up, how
    // the window opens. While the game runs the level in play, the menus and every asset
    // stay. False (logged) when the window could not change; a switch that loses the GL
    // context ends the game.
    bool setFullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // The window opens as the settings say rather than as the constructor was told: for a
    // command line that chose neither.
    void followScreenSetting() { screenFromSettings_ = true; }

    bool quitRequested() const;
    // Seconds the front end waits, left alone, before its demo; before run().
    void setDemoAfter(float seconds) { demoAfterSeconds_ = seconds; }
    // The language the player's environment asks for (a code of kLanguages), shown unless
    // the settings hold another; before run().
    void setSystemLanguage(const std::string& code) { systemLanguage_ = code; }
    GameStateInfo* stateInfo() { return info_.get(); }
    GenericState* state() { return state_.get(); }
    EditableGui* gui() { return gui_.get(); }
    const std::vector<std::string>& levelNames() const { return levelNames_; }
    // The name of the start-up step that failed, or null.
    const char* failedStep() const { return failedStep_; }

    // The process-wide application while main runs it; the setter returns the previous.
    static Application* instance() { return ProcessWide<Application>::get(); }
    static Application* setInstance(Application* application) {
        return ProcessWide<Application>::set(application);
    }

private:
    struct Step;
    static const Step kSteps[];

    bool listLevelDirectories();
    bool openVideoStep();
    void closeVideoStep();
    bool clearScreen();
    bool openGamepad();
    void closeGamepad();
    bool startSound();
    void stopSound();
    bool createResourceManager();
    void deleteResourceManager();
    bool loadDataFiles();
    bool releaseCompiler();
    bool createScreenRenderer();
    void deleteScreenRenderer();
    bool buildTileBatch();
    bool startGui();
    void stopGui();
    bool startStates();
    void stopStates();
    bool loadHighScores();
    bool startPlayerLevels();
    bool readLevelTitles();
    bool loadProgress();
    bool readSettings();
    bool chooseLanguage();
    void dropLanguage();
    bool publishSettingsStep();

    void swapState(GenericState* next);
    void saveChangedHighScores();
    void saveChangedProgress();
    void followSettings();
    void applySettings();
    // Shows every text in the language of the code from now on; an unknown code, or a
    // catalogue that cannot be read (logged), in English.
    void useLanguage(const std::string& code);

    bool fullscreen_;
    HighScoreFile highScoreFile_;
    // The table as the file holds it, and as it was when a save was last tried.
    HighScoreList savedScores_;
    HighScoreList triedScores_;
    SettingsFile settingsFile_;
    // Where the proofs of the player's levels are kept, placed as the other files are.
    std::string proofCacheFolder_;
    ProgressFile progressFile_;
    // The progress's revision when a save was last tried.
    uint32_t triedProgress_ = 0;
    // The settings as read at start-up, before the states that keep them exist.
    Settings settings_;
    bool screenFromSettings_ = false;
    // The settings as they were when a save was last tried.
    Settings triedSettings_;
    // The code of the language the player's environment asks for, of the one shown, and
    // its catalogue (none for English).
    std::string systemLanguage_ = "en";
    std::string languageInUse_;
    std::unique_ptr<MessageCatalogue> catalogue_;
    std::vector<std::string> levelNames_;
    std::vector<std::string> levelTitles_;
    bool videoStarted_ = false;
    Gamepad gamepad_;
    SoundServices sound_;
    std::unique_ptr<OglScreenspaceRenderer> screenRenderer_;
    std::unique_ptr<EditableGui> gui_;
    std::unique_ptr<GenericState> state_;
    std::unique_ptr<GameStateInfo> info_;
    float demoAfterSeconds_ = kDefaultDemoAfterSeconds;
    int stepsStarted_ = 0;
    const char* failedStep_ = nullptr;
};

}  // namespace nimbus
