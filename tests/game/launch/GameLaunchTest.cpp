#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "game/Application.h"
#include "game/GameLaunch.h"

using namespace nimbus;
namespace fs = std::filesystem;

namespace {

// A folder tree for the data search: the executable's folder "bin", and folders that
// hold the data when a case asks for them.
struct Tree {
    fs::path root = fs::temp_directory_path() / ("nimbus-launch-" + std::to_string(::getpid()));
    std::string bin = (root / "bin").string();
    std::string beside = (root / "bin" / "Data").string();
    std::string installed = (root / "bin" / GameLaunch::kInstalledData).lexically_normal().string();
    std::string flagged = (root / "mine").string();
    std::string variable = (root / "elsewhere").string();

    Tree() { fs::create_directories(bin); }
    ~Tree() { fs::remove_all(root); }
    void fill(const std::string& directory) {
        fs::create_directories(fs::path(directory) / "Frontend");
        std::ofstream(fs::path(directory) / Application::kGuiDocument) << "<gui/>";
    }
    void empty(const std::string& directory) { fs::remove_all(directory); }
};

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

// Every way a start can end before the window opens, and where a start that goes on
// finds its data and keeps its table. "{...}" in a case stands for a folder of the tree;
// DISPLAY "*" for the test's own display.
TEST(GameLaunch, AnswersTheCommandLineChecksTheDisplayAndFindsTheData) {
    const char* usable = std::getenv("DISPLAY");
    if (!usable) GTEST_SKIP() << "no display here";
    struct Case {
        std::vector<std::string> arguments;
        std::map<std::string, std::string> environment;
        std::vector<std::string> holdingData;
        int code;
        // Text expected on standard output and on standard error ("" for nothing).
        std::string out;
        std::string err;
        // For a start that goes on.
        bool fullscreen = true;
        std::string data = "";
        HighScorePlace scores = HighScorePlace::PlayerFolder;
    };
    const std::map<std::string, std::string> display = {{"DISPLAY", "*"}};
    const Case cases[] = {
        {{"--help"}, {}, {}, 0, "Usage: nimbus", ""},
        {{"--window", "--version", "--bogus"}, {}, {}, 0, "nimbus 1.", ""},
        {{"--bogus"}, display, {"{beside}"}, 2, "", "nimbus: unknown option '--bogus'\n\nUsage: nimbus"},
        {{"-window", "extra"}, display, {"{beside}"}, 2, "", "unknown option 'extra'"},
        {{"--window=yes"}, display, {"{beside}"}, 2, "", "--window takes no value"},
        {{"--data"}, display, {"{beside}"}, 2, "", "--data needs a DIR"},
        {{},
         {},
         {"{beside}"},
         1,
         "",
         "nimbus: no display to open the game's window on: DISPLAY is not set\n"},
        {{}, {{"DISPLAY", ":97"}}, {"{beside}"}, 1, "", "nimbus: cannot reach the X display ':97'\n"},
        {{},
         {{"DISPLAY", "*"}, {"SDL_VIDEODRIVER", "aalib"}},
         {"{beside}"},
         1,
         "",
         "SDL_VIDEODRIVER is 'aalib'"},
        {{"--data", "{mine}/missing"},
         display,
         {"{beside}"},
         1,
         "",
         "nimbus: no game data (Frontend/gui.xml) in {mine}/missing (--data)\n"},
        {{},
         {{"DISPLAY", "*"}, {"NIMBUS_DATA", "{elsewhere}"}},
         {},
         1,
         "",
         "nimbus: no game data (Frontend/gui.xml) in {elsewhere} ($NIMBUS_DATA), {beside} (beside the "
         "program), "
         "{installed} (installed)\n"},
        {{"-window"},
         {{"DISPLAY", "*"}, {"SDL_VIDEODRIVER", "x11"}},
         {"{beside}", "{installed}"},
         -1,
         "",
         "",
         false,
         "{beside}",
         HighScorePlace::BesideWritableData},
        {{"--window", "--fullscreen"},
         display,
         {"{beside}"},
         -1,
         "",
         "",
         true,
         "{beside}",
         HighScorePlace::BesideWritableData},
        {{},
         {{"DISPLAY", "*"}, {"NIMBUS_DATA", "{elsewhere}"}},
         {"{elsewhere}", "{beside}"},
         -1,
         "",
         "",
         true,
         "{elsewhere}"},
        {{},
         {{"DISPLAY", "*"}, {"NIMBUS_DATA", "{elsewhere}"}},
         {"{installed}"},
         -1,
         "",
         "",
         true,
         "{installed}"},
        {{"--data={mine}"}, display, {"{mine}", "{beside}"}, -1, "", "", true, "{mine}"},
    };
    for (const Case& c : cases) {
        Tree tree;
        auto place = [&](std::string text) {
            const std::pair<const char*, std::string> folders[] = {{"{beside}", tree.beside},
                                                                   {"{installed}", tree.installed},
                                                                   {"{mine}", tree.flagged},
                                                                   {"{elsewhere}", tree.variable},
                                                                   {"*", usable}};
            for (const auto& [name, path] : folders) {
                for (size_t at; (at = text.find(name)) != std::string::npos;)
                    text.replace(at, strlen(name), path);
            }
            return text;
        };
        std::string what;
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments) {
            arguments.push_back(place(argument));
            what += " " + argument;
        }
        SCOPED_TRACE("nimbus" + what);
        std::vector<const char*> argv;
        for (const std::string& argument : arguments) argv.push_back(argument.c_str());
        std::map<std::string, std::string> environment;
        for (const auto& [name, value] : c.environment) environment[name] = place(value);
        for (const std::string& folder : c.holdingData) tree.fill(place(folder));

        GameLaunch launch(
            [&](const char* name) {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second.c_str();
            },
            tree.bin);
        std::ostringstream out, err;
        EXPECT_EQ(launch.prepare(static_cast<int>(argv.size()), argv.data(), out, err), c.code);
        if (c.out.empty())
            EXPECT_EQ(out.str(), "");
        else
            EXPECT_EQ(out.str().find(place(c.out)), 0u) << out.str();
        if (c.err.empty())
            EXPECT_EQ(err.str(), "");
        else
            EXPECT_NE(err.str().find(place(c.err)), std::string::npos) << err.str();
        if (c.code == 1) {
            EXPECT_EQ(lineCount(err.str()), 1) << err.str();
        }
        if (c.code != -1) continue;
        EXPECT_EQ(launch.fullscreen(), c.fullscreen);
        EXPECT_EQ(launch.dataDirectory(), place(c.data));
        EXPECT_EQ(launch.highScorePlace(), c.scores);
    }
}
