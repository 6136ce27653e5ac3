#include "GameInstall.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/DataLayout.h"

namespace fs = std::filesystem;

GameInstall::GameInstall(const std::string& levelMap) {
    char pattern[] = "/tmp/nimbus-e2e-XXXXXX";
    root_ = mkdtemp(pattern);
    program_ = root_ + "/nimbus";
    data_ = root_ + "/" + nimbus::kDataFolder;
    fs::copy_file(NIMBUS_EXECUTABLE, program_);
    fs::create_directory(data_);
    for (const fs::directory_entry& entry : fs::directory_iterator(NIMBUS_DATA_DIR)) {
        const std::string leaf = entry.path().filename().string();
        // A build tree's own table, settings and progress stay out: each game starts as a
        // new player's.
        if (leaf == nimbus::kHighScoresFile || leaf == nimbus::kSettingsFile ||
            leaf == nimbus::kProgressFile || leaf == nimbus::kDamagedProgressFile ||
            leaf == nimbus::kReplaysFolder || (leaf == nimbus::kLevelsFolder && !levelMap.empty()))
            continue;
        fs::create_directory_symlink(entry.path(), data_ + "/" + leaf);
    }
    if (levelMap.empty()) return;
    const fs::path level = fs::path(data_) / nimbus::levelMapFile("01");
    fs::create_directories(level.parent_path());
    fs::create_directory_symlink(fs::path(NIMBUS_DATA_DIR) / nimbus::kLevelsCommonFolder,
                                 fs::path(data_) / nimbus::kLevelsCommonFolder);
    fs::copy_file(levelMap, level);
}

GameInstall::GameInstall(std::string root, std::string program, std::string dataDirectory)
    : root_(std::move(root)), program_(std::move(program)), data_(std::move(dataDirectory)) {}

GameInstall::~GameInstall() {
    int status = 0;
    if (game_ > 0 && waitpid(game_, &status, WNOHANG) == game_) {
        // A game that ended before its test did says how, for a stress run's kept output.
        std::ofstream(root_ + "/output.txt", std::ios::app)
            << "[the game ended before the test: " << (WIFSIGNALED(status) ? "signal " : "exit code ")
            << (WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status)) << "]\n";
    } else if (game_ > 0) {
        kill(game_, SIGKILL);
        waitpid(game_, nullptr, 0);
    }
    std::error_code error;
    if (const char* keep = getenv(kKeepOutputVariable))
        fs::copy_file(root_ + "/output.txt", fs::path(keep) / (fs::path(root_).filename().string() + ".txt"),
                      error);
    fs::remove_all(root_, error);
}

bool GameInstall::start(const std::string& display, const std::vector<std::string>& options,
                        const std::vector<std::string>& environment) {
    game_ = fork();
    if (game_ == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // The player's own folder stays out of it, should the data folder be refused.
        setenv("XDG_DATA_HOME", xdgDataHome().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
        // English, whatever the language of the machine, unless asked for another.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
        for (const std::string& variable : environment) {
            const size_t equals = variable.find('=');
            setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), 1);
        }
        const int log = open((root_ + "/output.txt").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(log, 1);
        dup2(log, 2);
        if (chdir(root_.c_str()) != 0) _exit(126);
        std::vector<char*> arguments{const_cast<char*>(program_.c_str()), const_cast<char*>("-window")};
        for (const std::string& option : options) arguments.push_back(const_cast<char*>(option.c_str()));
        arguments.push_back(nullptr);
        execv(program_.c_str(), arguments.data());
        _exit(127);
    }
    return game_ > 0;
}

std::string GameInstall::output() const {
    std::ifstream file(root_ + "/output.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void GameInstall::signal(int number) {
    if (game_ > 0) kill(game_, number);
}

int GameInstall::waitForExit(float seconds) {
    if (game_ <= 0) return -1;
    int status = 0;
    for (int tenth = 0; tenth <= static_cast<int>(seconds * 10); ++tenth) {
        if (waitpid(game_, &status, WNOHANG) == game_) {
            game_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        usleep(100000);
    }
    return -1;
}
