// The screen gallery: nimbus_screens DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR [LANGUAGE] starts
// the game on its data directory in a window, in the language of the code given (English
// by default), walks it through every screen a player meets and writes a picture of each,
// for people to judge how the menus and screens look. The name
// it types and the scores it makes go to a folder of its own, never into the data
// directory or the player's folders. Needs an X display; exits 1 when the game does not
// start or a picture cannot be written.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>

#include "ScreenTour.h"
#include "game/Application.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s DATA_DIR LEVEL_SOURCES_DIR OUTPUT_DIR [LANGUAGE]\n", argv[0]);
        return 1;
    }
    const std::filesystem::path out = std::filesystem::absolute(argv[3]);
    const std::filesystem::path levels = std::filesystem::absolute(argv[2]);
    std::error_code error;
    std::filesystem::create_directories(out, error);
    char scratch[] = "/tmp/nimbus-screens-XXXXXX";
    if (!mkdtemp(scratch)) return 1;
    setenv("XDG_DATA_HOME", scratch, 1);
    setenv("XDG_CONFIG_HOME", scratch, 1);
    setenv("XDG_CACHE_HOME", scratch, 1);
    bool shot = false;
    {
        nimbus::Application application(false, std::filesystem::absolute(argv[1]).string(),
                                        nimbus::HighScorePlace::PlayerFolder);
        if (argc == 5) application.setSystemLanguage(argv[4]);
        shot = application.startUp() && nimbus::tourScreens(application, levels.string(), out.string());
    }
    std::filesystem::remove_all(scratch, error);
    return shot ? 0 : 1;
}
