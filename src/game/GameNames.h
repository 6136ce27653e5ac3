#pragma once

// Names the game's own code uses beyond those the GUI shares (gui/GuiNames.h).

namespace nimbus {

// Music resources, registered at start-up.
constexpr const char* kMusicMenu = "Music/Menu";
constexpr const char* kMusicGame = "Music/Game";

// The tile batches built at start-up from the bricks, the near one and the coarse one
// for far tiles.
constexpr const char* kTileBatch = "Meshes/Tile";
constexpr const char* kCoarseTileBatch = "Meshes/Tile_coarse";

// Texts the states write into GUI properties or draw.
constexpr const char* kTotalScoreFormat = "Total: %i";
constexpr const char* kLevelScoreFormat = "Level: %i";
constexpr const char* kGameOverText = "Game Over";
constexpr const char* kGameOverHint = "Click or press Enter";
constexpr const char* kPausedText = "Paused";
constexpr const char* kPausedHint = "Press Space to play on";
constexpr const char* kDemoText = "Demo";
constexpr const char* kDemoHint = "Press any key";
// The number of the level shown over it as it starts, its title under it.
constexpr const char* kLevelCaptionFormat = "Level %s";
// The level-complete panel: this run beside the level's bests.
constexpr const char* kLevelTimeFormat = "Time: %s s";
constexpr const char* kLevelCommandsFormat = "Moves: %d";
constexpr const char* kBestScoreFormat = "Best: %d";
constexpr const char* kBestTimeFormat = "Best: %s s";
constexpr const char* kBestCommandsFormat = "Best: %d";
constexpr const char* kNewBestText = "New best!";
// A level's plan on the Levels screen: its best, or why there is none; and the page.
constexpr const char* kPlanBestFormat = "Best %d in %s s";
constexpr const char* kPlanNotWon = "Not won yet";
constexpr const char* kPlanLocked = "Locked";
constexpr const char* kLevelsPageFormat = "Page %d of %d";

// The GUI document's signals that the menu's Play and the game's Menu buttons push: the
// demo moves the menus away and back with them. And the window the menus stand in.
constexpr const char* kSignalPlay = "play";
constexpr const char* kSignalToMenu = "to_menu";
constexpr const char* kWindowMenu = "menu";

}  // namespace nimbus
