#include "game/launch/CommandLine.h"

#include <cstdio>
#include <cstdlib>

#include "game/GameVersion.h"

namespace nimbus {

namespace {

struct Option {
    const char* name;
    // Another spelling, or null.
    const char* alias;
    // The value's name in the usage, or null for an option without one.
    const char* value;
    const char* help;
    void (*apply)(CommandLine& line, const std::string& value);
};

const Option kOptions[] = {
    {"--window", "-window", nullptr, "play in a window of 1024 x 768",
     [](CommandLine& line, const std::string&) {
         line.fullscreen = false;
         line.screenChosen = true;
     }},
    {"--fullscreen", nullptr, nullptr, "play full screen at the desktop's size (the default)",
     [](CommandLine& line, const std::string&) {
         line.fullscreen = true;
         line.screenChosen = true;
     }},
    {"--data", nullptr, "DIR", "read the game's data from DIR",
     [](CommandLine& line, const std::string& value) { line.dataDirectory = value; }},
    {"--symbols", nullptr, nullptr, "mark each die colour with its own symbol",
     [](CommandLine& line, const std::string&) { line.symbols = true; }},
    {"--demo-after", nullptr, "SECONDS", "show the demo after SECONDS left alone on the menu (30)",
     [](CommandLine& line, const std::string& value) {
         char* end = nullptr;
         const float seconds = std::strtof(value.c_str(), &end);
         if (*end != '\0' || !(seconds >= 0.0f)) {
             line.request = CommandLine::Request::Refused;
             line.problem = "--demo-after needs a number of seconds, not '" + value + "'";
             return;
         }
         line.demoAfterSeconds = seconds;
     }},
    {"--check-replay", nullptr, "FILE",
     "check the replay FILE without a window: exit 0 if it reaches its score",
     [](CommandLine& line, const std::string& value) { line.replayToCheck = value; }},
    {"--help", "-h", nullptr, "show this help and quit",
     [](CommandLine& line, const std::string&) { line.request = CommandLine::Request::Help; }},
    {"--version", nullptr, nullptr, "show the version and quit",
     [](CommandLine& line, const std::string&) { line.request = CommandLine::Request::Version; }},
};

const Option* findOption(const std::string& name) {
    for (const Option& option : kOptions) {
        if (name == option.name || (option.alias && name == option.alias)) return &option;
    }
    return nullptr;
}

}  // namespace

void CommandLine::parse(int argc, const char* const* argv) {
    auto refuse = [this](const std::string& why) {
        request = Request::Refused;
        problem = why;
    };
    for (int i = 0; i < argc && request == Request::Play; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const Option* option = findOption(name);
        if (!option) return refuse("unknown option '" + argument + "'");
        if (!option->value && equals != std::string::npos) return refuse(name + " takes no value");
        std::string value;
        if (equals != std::string::npos)
            value = argument.substr(equals + 1);
        else if (option->value && i + 1 < argc)
            value = argv[++i];
        if (option->value && value.empty()) return refuse(name + " needs a " + option->value);
        option->apply(*this, value);
    }
}

std::string CommandLine::usage() {
    std::string text =
        "Usage: nimbus [OPTION]...\n"
        "Roll a coloured die across crumbling boards to the goal.\n\n";
    for (const Option& option : kOptions) {
        std::string names = option.name;
        if (option.value) names += std::string(" ") + option.value;
        if (option.alias) names += std::string(", ") + option.alias;
        char line[128];
        std::snprintf(line, sizeof line, "  %-20s%s\n", names.c_str(), option.help);
        text += line;
    }
    return text +
           "\nWithout --data the data is looked for in $NIMBUS_DATA, in Data beside the program and\n"
           "in the installed data folder. The high-score table is kept in $XDG_DATA_HOME/nimbus\n"
           "(~/.local/share/nimbus), or beside the data of a build tree.\n";
}

std::string CommandLine::version() { return std::string("nimbus ") + gameVersion() + "\n"; }

}  // namespace nimbus
