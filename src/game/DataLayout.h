#pragma once

#include <string>

#include "core/Path.h"

namespace nimbus {

// Where the game's files lie. Everything the game reads is in its data folder, named here
// by paths relative to that folder with "/" between the parts; the archives take the same
// paths with a leading "/" (dataPath). The game, the tools that build and picture the
// data, the tests, the benchmarks and the soak all name the files from here.

// The data folder beside the executable, as a build tree lays it out.
constexpr const char* kDataFolder = "Data";

// One folder per level, played in the plain order of the names, each holding its map.
// Common is no level: it holds what every level shares.
constexpr const char* kLevelsFolder = "Levels";
constexpr const char* kLevelMapFile = "Level.map";
// The index of the levels' titles, beside their folders.
constexpr const char* kLevelTitlesFile = "Levels/titles";
constexpr const char* kLevelsCommonFolder = "Levels/Common";
constexpr const char* kShadersFolder = "Levels/Common/Shaders";
constexpr const char* kSoundsFolder = "Levels/Common/Sounds";

// The common theme, and the theme in play, whose files replace Common's of the same name.
constexpr const char* kCommonThemeFolder = "Themes/Common";
constexpr const char* kPlayedThemeFolder = "Themes/Lego";
constexpr const char* kFontsFolder = "Fonts";
constexpr const char* kFrontendFolder = "Frontend";

// The menus' document; a folder that holds it holds the game's data.
constexpr const char* kGuiDocument = "Frontend/gui.xml";
// The glyphs of the menus' font, whose pictures are textures in kFontsFolder.
constexpr const char* kFontDescription = "Fonts/Alba.xml";
constexpr const char* kMenuMusicFile = "Music/Menu.music";
constexpr const char* kGameMusicFile = "Music/Game.music";

// What the player leaves behind: kept in the data folder where that may be written, else
// in a folder of the game's in the player's own folders, which follow the XDG rules: the
// table with the player's data, the settings with the player's configuration.
constexpr const char* kHighScoresFile = "highscores.bin";
constexpr const char* kSettingsFile = "settings";
// The levels reached and each level's bests, beside the table; a damaged one is kept
// aside before a new one replaces it.
constexpr const char* kProgressFile = "progress";
constexpr const char* kDamagedProgressFile = "progress.damaged";
// Each level's best run, beside the progress, as <level name>.replay.
constexpr const char* kReplaysFolder = "replays";
constexpr const char* kReplayExtension = ".replay";
// The player's own levels beside the progress: the proven ones the game lists, and the
// drafts only the editor lists, each as <name>.level. The proofs of the levels are kept
// in the player's cache, so that an unchanged file is not searched again.
constexpr const char* kPlayerLevelsFolder = "levels";
constexpr const char* kDraftsFolder = "drafts";
constexpr const char* kLevelExtension = ".level";
constexpr const char* kProofCacheFile = "level-proofs";
constexpr const char* kPlayerFolder = "nimbus";
struct PlayerHome {
    const char* variable;
    // Below $HOME when the variable names no absolute folder.
    const char* fallback;
};
constexpr PlayerHome kPlayerDataHome{"XDG_DATA_HOME", ".local/share"};
constexpr PlayerHome kPlayerConfigHome{"XDG_CONFIG_HOME", ".config"};
constexpr PlayerHome kPlayerCacheHome{"XDG_CACHE_HOME", ".cache"};

// A file or folder of the data folder as the archives name it.
inline Path dataPath(const std::string& relative) { return Path("/" + relative); }
// The map of the level folder `level`, relative to the data folder.
inline std::string levelMapFile(const std::string& level) {
    return std::string(kLevelsFolder) + "/" + level + "/" + kLevelMapFile;
}

}  // namespace nimbus
