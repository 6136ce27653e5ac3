#pragma once

#include <string>
#include <vector>

namespace nimbus {

// Seconds left alone on the menu before the demo plays, unless the command line says.
constexpr float kDefaultDemoAfterSeconds = 30.0f;

// What the player asked for when starting the game:
//
//   nimbus [--window | --fullscreen] [--data DIR] [--symbols] [--demo-after SECONDS]
//   nimbus [--data DIR] --check-replay FILE
//   nimbus --help | --version
//
// "-window", the game's first spelling, still gives a window; "--data=DIR" works too.
// Every option is one row of a table that also writes the usage text and the manual
// page's list of options.
struct CommandLine {
    enum class Request { Play, Help, Version, Refused };

    struct Option {
        const char* name;
        // Another spelling, or null.
        const char* alias;
        // The value's name in the usage, or null for an option without one.
        const char* value;
        // One line, lower case and without a full stop, as the usage shows it.
        const char* help;
        void (*apply)(CommandLine& line, const std::string& value);
    };

    Request request = Request::Play;
    bool fullscreen = true;
    // Whether --window or --fullscreen was given; otherwise the settings choose.
    bool screenChosen = false;
    // Whether the colours carry their symbols from the start.
    bool symbols = false;
    // The folder given with --data; empty when none was.
    std::string dataDirectory;
    // Seconds left alone on the menu before the demo plays.
    float demoAfterSeconds = kDefaultDemoAfterSeconds;
    // The replay to check without a window instead of playing; empty to play.
    std::string replayToCheck;
    // Why the arguments were refused, naming the one at fault.
    std::string problem;

    // Reads the arguments after the program name. --help and --version answer at once,
    // whatever follows them; the first unknown option or missing value refuses the line.
    void parse(int argc, const char* const* argv);

    // Every option, in the order the usage lists them.
    static const std::vector<Option>& options();
    // The usage text, a line per option, the help lines in one column.
    static std::string usage();
    // "nimbus VERSION".
    static std::string version();
};

}  // namespace nimbus
