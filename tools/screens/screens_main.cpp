// The screen gallery: nimbus_screens DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR starts the game
// on its data directory in a window, walks it through every screen a player meets and
// writes a picture of each, for people to judge how the menus and screens look. Needs an
// X display; exits 1 when the game does not start or a picture cannot be written.
#include <cstdio>
#include <filesystem>

#include "ScreenTour.h"
#include "game/Application.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR\n", argv[0]);
        return 1;
    }
    const std::filesystem::path out = std::filesystem::absolute(argv[3]);
    const std::filesystem::path levels = std::filesystem::absolute(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(out, error);
    nimbus::Application application(false, std::filesystem::absolute(argv[1]).string());
    return application.startUp() && nimbus::tourScreens(application, levels.string(), out.string()) ? 0 : 1;
}
