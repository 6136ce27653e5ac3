#include "game/launch/CommandLine.h"

#include <algorithm>
#include <cstdlib>

#include "core/MessageCatalogue.h"
#include "game/GameVersion.h"

namespace nimbus {

namespace {

using Option = CommandLine::Option;

const Option* findOption(const std::string& name) {
    for (const Option& option : CommandLine::options()) {
        if (name == option.name || (option.alias && name == option.alias)) return &option;
    }
    return nullptr;
}

// An option's names as the usage shows them: "--data DIR", "--help, -h".
std::string namesOf(const Option& option) {
    std::string names = option.name;
    if (option.value) names += std::string(" ") + option.value;
    if (option.alias) names += std::string(", ") + option.alias;
    return names;
}

}  // namespace

const std::vector<Option>& CommandLine::options() {
    static const std::vector<Option> kOptions = {
        {"--window", "-window", nullptr, translatable("play in a window of 1024 x 768"),
         [](CommandLine& line, const std::string&) {
             line.fullscreen = false;
             line.screenChosen = true;
         }},
        {"--fullscreen", nullptr, nullptr, translatable("play full screen at the desktop's size"),
         [](CommandLine& line, const std::string&) {
             line.fullscreen = true;
             line.screenChosen = true;
         }},
        {"--data", nullptr, "DIR", translatable("read the game's data from DIR and nowhere else"),
         [](CommandLine& line, const std::string& value) { line.dataDirectory = value; }},
        {"--symbols", nullptr, nullptr, translatable("mark each die colour with its own symbol"),
         [](CommandLine& line, const std::string&) { line.symbols = true; }},
        {"--demo-after", nullptr, "SECONDS",
         translatable("show the demo after SECONDS left alone on the menu (30)"),
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
         translatable("check the replay FILE without a window: exit 0 if it reaches its score"),
         [](CommandLine& line, const std::string& value) { line.replayToCheck = value; }},
        {"--help", "-h", nullptr, translatable("show this help and quit"),
         [](CommandLine& line, const std::string&) { line.request = CommandLine::Request::Help; }},
        {"--version", nullptr, nullptr, translatable("show the version and quit"),
         [](CommandLine& line, const std::string&) { line.request = CommandLine::Request::Version; }},
    };
    return kOptions;
}

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
    size_t width = 0;
    for (const Option& option : options()) width = std::max(width, namesOf(option).size());
    std::string text = std::string(translated("Usage: nimbus [OPTION]...")) + "\n" +
                       translated("Roll a coloured die across crumbling boards to the goal.") + "\n\n";
    for (const Option& option : options()) {
        const std::string names = namesOf(option);
        text += "  " + names + std::string(width + 2 - names.size(), ' ') + translated(option.help) + "\n";
    }
    return text + "\n" +
           translated(
               "Without --window or --fullscreen the game opens as it was last left, full screen\n"
               "the first time. Without --data the data is looked for in $NIMBUS_DATA, in Data\n"
               "beside the program and in the installed data folder. The settings are kept in\n"
               "$XDG_CONFIG_HOME/nimbus (~/.config/nimbus) and the high-score table in\n"
               "$XDG_DATA_HOME/nimbus (~/.local/share/nimbus), or both beside the data of a\n"
               "build tree.\n");
}

std::string CommandLine::version() { return std::string("nimbus ") + gameVersion() + "\n"; }

}  // namespace nimbus
