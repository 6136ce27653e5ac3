#pragma once

// Names the game's own code uses beyond those the GUI shares (gui/GuiNames.h).

#include "core/MessageCatalogue.h"

namespace nimbus {

// Music resources, registered at start-up.
constexpr const char* kMusicMenu = "Music/Menu";
constexpr const char* kMusicGame = "Music/Game";

// The tile batches built at start-up from the bricks: the near one, the coarse one for
// far tiles and the closed one for falling tiles.
constexpr const char* kTileBatch = "Meshes/Tile";
constexpr const char* kCoarseTileBatch = "Meshes/Tile_coarse";
constexpr const char* kClosedTileBatch = "Meshes/Tile_closed";

// Texts the states write into GUI properties or draw, in English: the states show them
// translated.
constexpr const char* kTotalScoreFormat = translatable("Total: %i");
constexpr const char* kLevelScoreFormat = translatable("Level: %i");
constexpr const char* kGameOverText = translatable("Game Over");
constexpr const char* kGameOverHint = translatable("Click or press Enter");
constexpr const char* kPausedText = translatable("Paused");
constexpr const char* kPausedHint = translatable("Press {pause} to play on");
// A hint that the next move is a twist, by the twist's command (kCommandTwist0, then 1);
// the braces name the action whose key is shown (KeyBindings::fill).
constexpr const char* kTwistHints[] = {translatable("Twist with {twist_clockwise}"),
                                       translatable("Twist with {twist_anticlockwise}")};
constexpr const char* kDemoText = translatable("Demo");
constexpr const char* kDemoHint = translatable("Press any key");
// The number of the level shown over it as it starts, its title under it.
constexpr const char* kLevelCaptionFormat = translatable("Level %s");
// The level-complete panel: this run beside the level's bests.
constexpr const char* kLevelTimeFormat = translatable("Time: %s s");
constexpr const char* kLevelCommandsFormat = translatable("Moves: %d");
constexpr const char* kBestScoreFormat = translatable("Best: %d");
constexpr const char* kBestTimeFormat = translatable("Best: %s s");
constexpr const char* kBestCommandsFormat = translatable("Best: %d");
constexpr const char* kNewBestText = translatable("New best!");
// A level's plan on the Levels screen: its best, or why there is none; and the page.
constexpr const char* kPlanBestFormat = translatable("Best %d in %s s");
constexpr const char* kPlanNotWon = translatable("Not won yet");
constexpr const char* kPlanLocked = translatable("Locked");
constexpr const char* kLevelsPageFormat = translatable("Page %d of %d");
// The Levels screen's heading, over the game's levels or the player's own; a level of
// the player's not proven yet.
constexpr const char* kLevelsHeading = translatable("Levels");
constexpr const char* kOwnLevelsHeading = translatable("Your levels");
constexpr const char* kPlanProving = translatable("Being proven");
// A level's kept run watched: its caption and the speed it is shown at (the keys that
// set it), then the recorded score and time once it is over.
constexpr const char* kReplayText = translatable("Replay");
constexpr const char* kReplaySpeedFormat = translatable("Speed %dx: keys 1, 2, 4");
constexpr const char* kReplayEndFormat = translatable("%d points in %s s");
// What the level editor says: its welcome, a proof's progress and verdict (the proof's
// summary or reason follows), a save, a draft opened, the board's size, the fall step
// (its number and seconds) and the wave, the draft to open, and the cell under the
// cursor (where, what, when it falls and its pick-up, by kind).
constexpr const char* kEditorWelcome = translatable("Paint the board, prove the level, then save it");
constexpr const char* kEditorProvingFormat = translatable("Proving: %zu states searched");
constexpr const char* kEditorProvenFormat = translatable("Proven: %s");
constexpr const char* kEditorNotProvenFormat = translatable("Not proven: %s");
constexpr const char* kEditorChanged =
    translatable("Changed since the proof; prove it again before it can be saved as a level");
constexpr const char* kEditorSavedLevelFormat = translatable("Saved to your levels as %s");
constexpr const char* kEditorSavedDraftFormat = translatable("Not proven, so saved as a draft: %s");
constexpr const char* kEditorNotSaved = translatable("Could not save the level; see the log");
constexpr const char* kEditorOpenedFormat = translatable("Opened %s");
constexpr const char* kEditorSizeFormat = translatable("Board %d x %d");
constexpr const char* kEditorStepFormat = translatable("Fall step %d: %d s");
constexpr const char* kEditorEveryFormat = translatable("Wave: %d cells a step");
constexpr const char* kEditorEveryOne = translatable("Wave: a cell a step");
constexpr const char* kEditorDraftFormat = translatable("Draft %d of %d: %s");
constexpr const char* kEditorNoDrafts = translatable("No drafts");
constexpr const char* kEditorFallsFormat = translatable("falls at step %d");
constexpr const char* kEditorPickupNames[] = {"", translatable("Extra life"), translatable("Stop time"),
                                              translatable("Reverse time")};
// A proof's summary: the moves of the shortest win, when it is won, and the slack and
// pace (each seconds, or "unlimited").
constexpr const char* kProofSummaryFormat = translatable("%d moves, won at %s, slack %s, pace %s");
constexpr const char* kSecondsFormat = translatable("%s s");
constexpr const char* kUnlimited = translatable("unlimited");

// The GUI document's signals that the menu's Play and the game's Menu buttons push: the
// demo moves the menus away and back with them. And the window the menus stand in.
constexpr const char* kSignalPlay = "play";
constexpr const char* kSignalToMenu = "to_menu";
constexpr const char* kWindowMenu = "menu";

}  // namespace nimbus
