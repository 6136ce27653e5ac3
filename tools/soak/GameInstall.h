#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// A copy of the game made for one test: the executable, and a Data folder beside it that
// points at the built data but is a folder of its own, so the high-score file the game
// writes lands here; or a copy the test installed itself. The game runs from it as a
// player starts it, in a window on the display given, with the install's folder as its
// working directory and $XDG_DATA_HOME and $XDG_CONFIG_HOME in it.
class GameInstall {
public:
    // When set, names a folder that keeps what each game wrote after its install is gone:
    // a stress run reads it beside a run that failed.
    static constexpr const char* kKeepOutputVariable = "NIMBUS_KEEP_GAME_OUTPUT";

    // Lays out the game in a new folder under the system's temporary folder; with
    // `levels` set, Data/Levels holds only the shared Common folder and that one level
    // map, as Data/Levels/01/Level.map.
    explicit GameInstall(const std::string& levelMap = "");
    // A game the test laid out under `root`, a folder this install now owns.
    GameInstall(std::string root, std::string program, std::string dataDirectory);
    ~GameInstall();
    GameInstall(const GameInstall&) = delete;
    GameInstall& operator=(const GameInstall&) = delete;

    const std::string& dataDirectory() const { return data_; }
    // What the game takes for $XDG_DATA_HOME.
    std::string xdgDataHome() const { return root_ + "/xdg"; }
    // The running game's process, or -1.
    pid_t pid() const { return game_; }
    // What the game has written to its standard output and error so far.
    std::string output() const;

    // Starts the game with "-window" and the options given, in English, and with the
    // variables ("NAME=VALUE") added to its environment (LANGUAGE=de for German); false
    // when it cannot be started.
    bool start(const std::string& display, const std::vector<std::string>& options = {},
               const std::vector<std::string>& environment = {});
    // Waits at most the seconds given for the game to end; its exit code, or -1 when it
    // is still running or did not exit normally. A game still running when the install
    // goes is killed.
    int waitForExit(float seconds);
    // Sends the running game a signal, as a desktop's session or a power cut would.
    void signal(int number);

private:
    std::string root_;
    std::string program_;
    std::string data_;
    pid_t game_ = -1;
};
