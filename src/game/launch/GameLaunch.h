#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "game/launch/CommandLine.h"
#include "game/player/HighScoreFile.h"
#include "game/player/Language.h"

namespace nimbus {

class DataSearch;

// Everything settled before the game opens its window: the command line answered (the
// usage in the language of the environment, when the data holds its catalogue), the
// language chosen, the display checked, the data found. Nothing but the two output
// streams is touched, so a start that goes no further leaves nothing behind.
//
// The game draws with OpenGL through GLX, so it needs an X display (a Wayland desktop
// offers one through Xwayland). Without one the game says so and stops, rather than let
// SDL fall back to a text-mode or frame-buffer driver that takes over the terminal.
class GameLaunch {
public:
    // A variable of the environment; null when unset.
    using Environment = std::function<const char*(const char*)>;

    // The installed data folder, relative to the installed executable's folder.
    static const char* const kInstalledData;

    // `executableDirectory` is the running program's folder.
    GameLaunch(Environment environment, std::string executableDirectory);

    // Reads the arguments after the program name. Returns -1 when the game is to be
    // played (or a replay checked); otherwise the exit code: 0 with the usage or the
    // version on `out`; 2 for a refused command line, with the problem and the usage on
    // `err`; 1 with one line on `err` when there is no display the game can use (a check
    // needs none) or no data.
    int prepare(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

    bool fullscreen() const { return commandLine_.fullscreen; }
    bool screenChosen() const { return commandLine_.screenChosen; }
    bool symbols() const { return commandLine_.symbols; }
    const std::string& dataDirectory() const { return dataDirectory_; }
    HighScorePlace highScorePlace() const { return highScorePlace_; }
    float demoAfterSeconds() const { return commandLine_.demoAfterSeconds; }
    // The language the environment asks for; English before prepare().
    const Language& language() const { return *language_; }
    // The replay to check instead of playing; empty to play.
    const std::string& replayToCheck() const { return commandLine_.replayToCheck; }

    // The directory of the running program.
    static std::string executableDirectory();

private:
    // Why no game window can be opened here, or empty.
    std::string displayProblem() const;
    // The places the data is looked for in, as the command line and the environment say.
    DataSearch dataSearch() const;
    // The usage in the environment's language.
    std::string translatedUsage() const;

    Environment environment_;
    std::string executableDirectory_;
    CommandLine commandLine_;
    std::string dataDirectory_;
    HighScorePlace highScorePlace_ = HighScorePlace::PlayerFolder;
    const Language* language_ = &kLanguages[0];
};

}  // namespace nimbus
