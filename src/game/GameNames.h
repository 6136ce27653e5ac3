#pragma once

// Names the game's own code uses beyond those the GUI shares (gui/GuiNames.h).

namespace nimbus {

// Music resources, registered at start-up.
constexpr const char* kMusicMenu = "Music/Menu";
constexpr const char* kMusicGame = "Music/Game";

// Texts the states write into GUI properties or draw.
constexpr const char* kTotalScoreFormat = "Total: %i";
constexpr const char* kLevelScoreFormat = "Level: %i";
constexpr const char* kGameOverText = "Game Over";
constexpr const char* kGameOverHint = "Click or press Enter";
constexpr const char* kPausedText = "Paused";
constexpr const char* kPausedHint = "Press Space to play on";

}  // namespace nimbus
