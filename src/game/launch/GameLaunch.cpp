#include "game/launch/GameLaunch.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <memory>
#include <ostream>

#include "core/MessageCatalogue.h"
#include "core/posix/PosixInArchive.h"
#include "game/launch/DataSearch.h"

namespace nimbus {

const char* const GameLaunch::kInstalledData = NIMBUS_INSTALLED_DATA;

GameLaunch::GameLaunch(Environment environment, std::string executableDirectory)
    : environment_(std::move(environment)), executableDirectory_(std::move(executableDirectory)) {}

int GameLaunch::prepare(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    commandLine_.parse(argc, argv);
    language_ = &environmentLanguage(environment_);
    switch (commandLine_.request) {
        case CommandLine::Request::Help:
            out << translatedUsage();
            return 0;
        case CommandLine::Request::Version:
            out << CommandLine::version();
            return 0;
        case CommandLine::Request::Refused:
            err << "nimbus: " << commandLine_.problem << "\n\n" << translatedUsage();
            return 2;
        case CommandLine::Request::Play:
            break;
    }
    const std::string problem = commandLine_.replayToCheck.empty() ? displayProblem() : std::string();
    if (!problem.empty()) {
        err << "nimbus: " << problem << "\n";
        return 1;
    }
    const DataSearch search = dataSearch();
    if (!search.found()) {
        err << "nimbus: " << search.failure() << "\n";
        return 1;
    }
    dataDirectory_ = search.found()->directory;
    highScorePlace_ =
        search.foundBesideExecutable() ? HighScorePlace::BesideWritableData : HighScorePlace::PlayerFolder;
    return -1;
}

DataSearch GameLaunch::dataSearch() const {
    return DataSearch(commandLine_.dataDirectory, environment_("NIMBUS_DATA"), executableDirectory_,
                      kInstalledData);
}

std::string GameLaunch::translatedUsage() const {
    const DataSearch search = dataSearch();
    std::unique_ptr<MessageCatalogue> catalogue;
    if (search.found()) {
        PosixInArchive data{Path(search.found()->directory)};
        catalogue = readCatalogue(data, *language_);
    }
    MessageCatalogue* previous = setMessageCatalogue(catalogue.get());
    std::string usage = CommandLine::usage();
    setMessageCatalogue(previous);
    return usage;
}

std::string GameLaunch::executableDirectory() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    const std::string program(buffer, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/') + 1);
}

std::string GameLaunch::displayProblem() const {
    const char* driver = environment_("SDL_VIDEODRIVER");
    if (driver && *driver && std::strcmp(driver, "x11") != 0) {
        return std::string("SDL_VIDEODRIVER is '") + driver +
               "', but the game draws with OpenGL in an X window: unset it or set it to x11";
    }
    const char* display = environment_("DISPLAY");
    if (!display || !*display) return "no display to open the game's window on: DISPLAY is not set";
    Display* connection = XOpenDisplay(display);
    if (!connection) return std::string("cannot reach the X display '") + display + "'";
    XCloseDisplay(connection);
    return std::string();
}

}  // namespace nimbus
