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
constexpr const char* kPausedHint = "Press {pause} to play on";
// A hint that the next move is a twist, by the twist's command (kCommandTwist0, then 1);
// the braces name the action whose key is shown (KeyBindings::fill).
constexpr const char* kTwistHints[] = {"Twist with {twist_clockwise}", "Twist with {twist_anticlockwise}"};
constexpr const char* kDemoText = "Demo";
constexpr const char* kDemoHint = "Press any key";

// The GUI document's signals that the menu's Play and the game's Menu buttons push: the
// demo moves the menus away and back with them. And the window the menus stand in.
constexpr const char* kSignalPlay = "play";
constexpr const char* kSignalToMenu = "to_menu";
constexpr const char* kWindowMenu = "menu";

}  // namespace nimbus
