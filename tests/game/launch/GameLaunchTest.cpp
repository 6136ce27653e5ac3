#include <errno.h>
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
#include <tuple>
#include <vector>

#include "core/TimeSource.h"
#include "game/DataLayout.h"
#include "game/FramePacer.h"
#include "game/launch/GameLaunch.h"

using namespace nimbus;
namespace fs = std::filesystem;

namespace {

// The executable's folder "bin" and the data folders a case asks for by a word in braces.
struct Tree {
    fs::path root = fs::temp_directory_path() / ("nimbus-launch-" + std::to_string(::getpid()));
    std::string bin = (root / "bin").string();
    const std::pair<const char*, std::string> folders[4] = {
        {"{beside}", (root / "bin" / kDataFolder).string()},
        {"{installed}", (root / "bin" / GameLaunch::kInstalledData).lexically_normal().string()},
        {"{mine}", (root / "mine").string()},
        {"{elsewhere}", (root / "elsewhere").string()}};

    Tree() { fs::create_directories(bin); }
    ~Tree() { fs::remove_all(root); }
    // The text with each folder's word replaced by its path.
    std::string place(std::string text) const {
        for (const auto& [name, path] : folders) {
            for (size_t at; (at = text.find(name)) != std::string::npos;)
                text.replace(at, strlen(name), path);
        }
        return text;
    }
    void fill(const std::string& directory) {
        const fs::path document = fs::path(directory) / kGuiDocument;
        fs::create_directories(document.parent_path());
        std::ofstream(document) << "<gui/>";
    }
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> all;
    for (std::string word; in >> word;) all.push_back(word);
    return all;
}

// Every way a start ends before the window (the usage in the environment's language if the data has it), and
// where one that goes on finds its data and table. DISPLAY=* is the test's own display.
TEST(GameLaunch, AnswersTheCommandLineChecksTheDisplayAndFindsTheData) {
    const char* usable = std::getenv("DISPLAY");
    if (!usable) GTEST_SKIP() << "no display here";
    struct Case {
        const char* arguments;
        const char* environment;  // NAME=VALUE ...
        const char* holdingData;  // the folders that hold the data
        int code;
        // The start of standard output (code 0) or error (1, one line, and 2), the other
        // empty; or (-1, nothing written) the data folder found and the choices: window,
        // screen, symbols, table beside the data, replay to check.
        const char* says;
    };
    const Case cases[] = {
        {"--help", "", "", 0, "Usage: nimbus"},
        {"--data=" NIMBUS_DATA_DIR " --help", "LANGUAGE=de", "", 0, "Aufruf: nimbus [OPTION]...\nRolle"},
        {"--window --version --bogus", "", "", 0, "nimbus 1."},
        {"--bogus", "DISPLAY=*", "{beside}", 2, "nimbus: unknown option '--bogus'\n\nUsage: nimbus"},
        {"-window extra", "DISPLAY=*", "{beside}", 2, "nimbus: unknown option 'extra'"},
        {"--window=yes", "DISPLAY=*", "{beside}", 2, "nimbus: --window takes no value"},
        {"--data", "DISPLAY=*", "{beside}", 2, "nimbus: --data needs a DIR"},
        {"--demo-after soon", "DISPLAY=*", "{beside}", 2,
         "nimbus: --demo-after needs a number of seconds, not 'soon'"},
        {"", "", "{beside}", 1, "nimbus: no display to open the game's window on: DISPLAY is not set\n"},
        {"", "DISPLAY=:97", "{beside}", 1, "nimbus: cannot reach the X display ':97'\n"},
        {"", "DISPLAY=* SDL_VIDEODRIVER=aalib", "{beside}", 1, "nimbus: SDL_VIDEODRIVER is 'aalib'"},
        {"--data {mine}/missing", "DISPLAY=*", "{beside}", 1,
         "nimbus: no game data (Frontend/gui.xml) in {mine}/missing (--data)\n"},
        {"", "DISPLAY=* NIMBUS_DATA={elsewhere}", "", 1,
         "nimbus: no game data (Frontend/gui.xml) in {elsewhere} ($NIMBUS_DATA), "
         "{beside} (beside the program), {installed} (installed)\n"},
        {"-window", "DISPLAY=* SDL_VIDEODRIVER=x11", "{beside} {installed}", -1,
         "{beside} window chosen beside"},
        {"--window --fullscreen", "DISPLAY=*", "{beside}", -1, "{beside} chosen beside"},
        {"--symbols --window", "DISPLAY=*", "{beside}", -1, "{beside} window chosen symbols beside"},
        {"", "DISPLAY=* NIMBUS_DATA={elsewhere}", "{elsewhere} {beside}", -1, "{elsewhere}"},
        {"", "DISPLAY=* NIMBUS_DATA={elsewhere}", "{installed}", -1, "{installed}"},
        {"--data={mine}", "DISPLAY=*", "{mine} {beside}", -1, "{mine}"},
        // A replay is checked without a window.
        {"--check-replay run.replay", "", "{beside}", -1, "{beside} beside check run.replay"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("nimbus ") + c.arguments + " with " + c.environment);
        Tree tree;
        const std::vector<std::string> arguments = words(tree.place(c.arguments));
        std::vector<const char*> argv;
        for (const std::string& argument : arguments) argv.push_back(argument.c_str());
        std::map<std::string, std::string> environment;
        for (const std::string& setting : words(tree.place(c.environment))) {
            const std::string value = setting.substr(setting.find('=') + 1);
            environment[setting.substr(0, setting.find('='))] = value == "*" ? usable : value;
        }
        for (const std::string& folder : words(tree.place(c.holdingData))) tree.fill(folder);

        GameLaunch launch(
            [&](const char* name) {
                const auto found = environment.find(name);
                return found == environment.end() ? nullptr : found->second.c_str();
            },
            tree.bin);
        std::ostringstream out, err;
        EXPECT_EQ(launch.prepare(static_cast<int>(argv.size()), argv.data(), out, err), c.code);
        const std::string output = out.str(), errors = err.str(), says = tree.place(c.says);
        if (c.code >= 0) {
            const std::string& written = c.code == 0 ? output : errors;
            EXPECT_EQ(c.code == 0 ? errors : output, "");
            EXPECT_EQ(written.substr(0, says.size()), says);
            EXPECT_TRUE(c.code != 1 || std::count(written.begin(), written.end(), '\n') == 1) << written;
        } else {
            EXPECT_EQ(output + errors, "");
            EXPECT_EQ(launch.dataDirectory() + (launch.fullscreen() ? "" : " window") +
                          (launch.screenChosen() ? " chosen" : "") + (launch.symbols() ? " symbols" : "") +
                          (launch.highScorePlace() == HighScorePlace::BesideWritableData ? " beside" : "") +
                          (launch.replayToCheck().empty() ? "" : " check " + launch.replayToCheck()),
                      says);
        }
    }
}

// Data beside the program is found through the program's own folder.
TEST(GameLaunch, TheProgramsFolderHoldsTheProgram) {
    EXPECT_EQ(::access((GameLaunch::executableDirectory() + program_invocation_short_name).c_str(), X_OK), 0);
}

// A clock that never moves: each present time is handed in.
struct StillClock : TimeSource {
    int64_t ticksPerSecond;
    explicit StillClock(int64_t frequency) : ticksPerSecond(frequency) {}
    int64_t now() const override { return 0; }
    int64_t frequency() const override { return ticksPerSecond; }
};

// Frames that present at once are spread to the display's rate (120 when unknown); one on
// time waits nothing, as under working vertical sync.
TEST(FramePacer, WaitsOutTheRestOfEachFrameAndNeverCatchesUp) {
    // What, the rate, the presents and the waits after them; 1200 ticks a second.
    const std::tuple<const char*, float, std::vector<int64_t>, std::vector<int64_t>> cases[] = {
        {"quick frames at an unknown rate", 0.0f, {0, 2, 13, 21}, {0, 8, 7, 9}},
        {"quick frames at 60 Hz", 60.0f, {100, 101, 121}, {0, 19, 19}},
        {"frames on time, as vertical sync gives them", 60.0f, {0, 20, 40, 60}, {0, 0, 0, 0}},
        {"a late frame starts the count anew", 0.0f, {0, 1, 35, 36, 47}, {0, 9, 0, 9, 8}},
    };
    for (const auto& [what, rate, presents, expected] : cases) {
        StillClock clock(1200);
        FramePacer pacer(clock, rate);
        std::vector<int64_t> waits;
        for (int64_t present : presents) waits.push_back(pacer.waitAfter(present));
        EXPECT_EQ(waits, expected) << what;
    }
}

}  // namespace
