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
// What the level editor says.
constexpr const char* kEditorWelcome = "Paint the board, prove the level, then save it";
constexpr const char* kEditorProvingFormat = "Proving: %zu states searched";
constexpr const char* kEditorProven = "Proven: ";
constexpr const char* kEditorNotProven = "Not proven: ";
constexpr const char* kEditorChanged =
    "Changed since the proof; prove it again before it can be saved as a level";
constexpr const char* kEditorSavedLevel = "Saved to your levels as ";
constexpr const char* kEditorSavedDraft = "Not proven, so saved as a draft: ";
constexpr const char* kEditorNotSaved = "Could not save the level; see the log";
constexpr const char* kEditorOpened = "Opened ";
constexpr const char* kEditorSizeFormat = "Board %d x %d";
constexpr const char* kEditorStepFormat = "Fall step %d: %d s";
constexpr const char* kEditorEveryFormat = "Wave: %d cells a step";
constexpr const char* kEditorEveryOne = "Wave: a cell a step";
constexpr const char* kEditorDraftFormat = "Draft %d of %d: %s";
constexpr const char* kEditorNoDrafts = "No drafts";

// The GUI document's signals that the menu's Play and the game's Menu buttons push: the
// demo moves the menus away and back with them. And the window the menus stand in.
constexpr const char* kSignalPlay = "play";
constexpr const char* kSignalToMenu = "to_menu";
constexpr const char* kWindowMenu = "menu";

}  // namespace nimbus
