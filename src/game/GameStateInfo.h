#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/launch/CommandLine.h"
#include "game/level/EditorSession.h"
#include "game/level/PlayerLevels.h"
#include "game/player/Progress.h"
#include "game/player/ReplayFolder.h"
#include "game/player/Settings.h"
#include "game/rules/HighScoreList.h"
#include "game/rules/PlayerStats.h"

namespace nimbus {

class Gui;
class GameSound;
class MusicPlayer;
class ScreenspaceRenderer;

// What every state works with, handed to each one by the frame loop. The services are
// the application's (not owned); the running game's stats are owned here and exist only
// between the front end's Play and the next return to the front end.
struct GameStateInfo {
    GameSound* sound = nullptr;
    MusicPlayer* music = nullptr;
    ScreenspaceRenderer* screenRenderer = nullptr;
    Gui* gui = nullptr;
    // Set by any state to end the frame loop.
    bool quit = false;
    // Switches between full screen and a window; empty where nothing can switch.
    std::function<void()> toggleFullscreen;
    std::vector<std::string> levelNames;
    // The designers' titles of the levels, in the same order; empty where there is none.
    std::vector<std::string> levelTitles;
    // The level to play next.
    int32_t levelIndex = 0;
    // Whether the game running is a practice chosen on the Levels screen rather than an
    // arcade run from the first level: it ends on that screen and never in the table.
    bool practice = false;
    std::unique_ptr<PlayerStats> stats;
    // The score when the level being played began, for the level's own score.
    int32_t levelStartScore = 0;
    // The time and the commands of the level last completed (its score follows from the
    // stats and the level start score).
    LevelRun levelRun;
    HighScoreList highScores;
    // The levels reached and their bests; the application saves them whenever they change.
    Progress progress;
    // What the player chose, as last taken from the menus; the application saves it
    // whenever it changes.
    Settings settings;
    // The folder of the player's own files, their levels among them; empty when there is
    // none to write to.
    std::string playerFolder;
    // The levels the player made, proven as the game runs.
    PlayerLevels playerLevels;
    // The level open in the level editor, kept while it is tested; null otherwise.
    std::unique_ptr<EditorSession> editing;
    // Whether the game running tests the editor's level: it ends back in the editor.
    bool testing = false;
    // The file of the player's own level being practised, empty for the game's levels; and
    // whether the Levels screen shows the player's own levels.
    std::string ownLevel;
    bool ownLevels = false;
    // The best run of each level, beside the high-score table.
    ReplayFolder replays;
    // Seconds the front end waits, left alone, before it shows a demo.
    float demoAfterSeconds = kDefaultDemoAfterSeconds;

    // The name the level in play keeps its bests and its kept run under: the file of the
    // player's own level, else the game's level's name.
    std::string playedLevel() const {
        if (!ownLevel.empty()) return ownLevel;
        return static_cast<size_t>(levelIndex) < levelNames.size()
                   ? levelNames[static_cast<size_t>(levelIndex)]
                   : std::string();
    }
};

}  // namespace nimbus
