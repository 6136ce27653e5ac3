#pragma once

// Every name that code compares with or writes into the GUI document, its properties and
// its signals, in one place: a misspelt name is a compile error, and a search for the
// constant finds every use. Names of sections, windows, classes, properties and signals
// are compared ignoring letter case; attribute names exactly.

#include "core/MessageCatalogue.h"

namespace nimbus {

// What an unset property reads as.
constexpr const char* kNotRegistered = "not registered";
// The name of a window whose element gives none.
constexpr const char* kAnonymous = "anonymous";
// The font every text window draws with.
constexpr const char* kDefaultFontName = "Alba";

// Resources the GUI asks for.
constexpr const char* kFontResourcePrefix = "Fonts/";
// The default font's resource: the prefix and the font's name.
constexpr const char* kDefaultFontResource = "Fonts/Alba";
constexpr const char* kCircleTextureName = "Textures/circle";
constexpr const char* kTextureTypeName = "Texture";

// Elements of the document.
constexpr const char* kElementGui = "gui";
constexpr const char* kSectionFonts = "fonts";
constexpr const char* kSectionWindows = "windows";
constexpr const char* kSectionTransitions = "transitions";
constexpr const char* kElementFont = "font";
constexpr const char* kElementWindow = "window";
constexpr const char* kElementTransition = "transition";
constexpr const char* kElementAction = "action";

// Attributes.
constexpr const char* kAttributeClass = "class";
constexpr const char* kAttributeName = "name";
constexpr const char* kAttributeX = "x";
constexpr const char* kAttributeY = "y";
constexpr const char* kAttributeWidth = "w";
constexpr const char* kAttributeHeight = "h";
constexpr const char* kAttributeShow = "show";
constexpr const char* kAttributeCondition = "condition";
constexpr const char* kAttributeTexture = "texture";
constexpr const char* kAttributeInfo = "info";
constexpr const char* kAttributeCaption = "caption";
constexpr const char* kAttributeAction = "action";
constexpr const char* kAttributeColor = "color";
constexpr const char* kAttributeGlow = "glow";
constexpr const char* kAttributeMessage = "message";
constexpr const char* kAttributeProperty = "property";
// How a property text lies in its window: "centre", else at its left edge.
constexpr const char* kAttributeAlign = "align";
constexpr const char* kAlignCentre = "centre";
constexpr const char* kAttributeInitial = "initial";
constexpr const char* kAttributeFont = "font";
constexpr const char* kAttributeRadius = "radius";
constexpr const char* kAttributeTarget = "target";
constexpr const char* kAttributeValue = "value";
constexpr const char* kAttributeMin = "min";
constexpr const char* kAttributeMax = "max";
constexpr const char* kAttributeStep = "step";
constexpr const char* kAttributePrompt = "prompt";
constexpr const char* kAttributeLength = "length";
constexpr const char* kAttributeLines = "lines";
constexpr const char* kAttributeLine = "line";
constexpr const char* kAttributeSlot = "slot";
// The input action whose key a key button shows and changes.
constexpr const char* kAttributeInput = "input";
// The value of "show" that makes a window visible.
constexpr const char* kShowTrue = "true";
constexpr const char* kShowFalse = "false";

// Window classes: the GUI's own twelve, then the game's four.
constexpr const char* kClassButton = "button";
constexpr const char* kClassNull = "null";
constexpr const char* kClassPane = "pane";
constexpr const char* kClassText = "text";
constexpr const char* kClassPropertyText = "property_text";
constexpr const char* kClassEditBox = "edit_box";
constexpr const char* kClassRoundedPane = "rounded_pane";
constexpr const char* kClassSlider = "slider";
constexpr const char* kClassTextField = "text_field";
constexpr const char* kClassSwatch = "swatch";
constexpr const char* kClassPropertyLines = "property_lines";
constexpr const char* kClassKeyButton = "key_button";
constexpr const char* kClassGame = "game";
constexpr const char* kClassHighScore = "highscore";
constexpr const char* kClassBackground = "background";
constexpr const char* kClassLevelPlan = "level_plan";
constexpr const char* kClassLevelWatch = "level_watch";

// Action classes. The property action is saved as "setProp"; lookups ignore case.
constexpr const char* kActionShow = "show";
constexpr const char* kActionHide = "hide";
constexpr const char* kActionSetProp = "setprop";
constexpr const char* kActionSetPropSaved = "setProp";
constexpr const char* kActionEnableInput = "enableinput";
constexpr const char* kActionDisableInput = "disableinput";

// Properties the game states and windows exchange.
constexpr const char* kPropertyExitToState = "exitToState";
constexpr const char* kPropertyTogglePause = "togglePause";
constexpr const char* kPropertyPlayerName = "player_name";
constexpr const char* kPropertyScore = "score";
constexpr const char* kPropertyTotalScore = "totalscore";
constexpr const char* kPropertyLevelScore = "levelscore";
constexpr const char* kPropertyHighScoreName = "highscore_name_";    // followed by the rank 0 to 9
constexpr const char* kPropertyHighScoreScore = "highscore_score_";  // followed by the rank 0 to 9
constexpr const char* kPropertyNewestEntry = "newest_entry";
// The options: the volumes the sliders drive (0 to 100), the switches' states as the
// screen shows them ("On" or "Off"), the language's name, and the requests of the
// switches' and the language's buttons ("yes").
constexpr const char* kPropertyMusicVolume = "music_volume";
constexpr const char* kPropertyEffectsVolume = "effects_volume";
constexpr const char* kPropertyFullscreen = "fullscreen";
constexpr const char* kPropertySymbols = "symbols";
constexpr const char* kPropertyGhost = "ghost";
constexpr const char* kPropertyToggleFullscreen = "toggleFullscreen";
constexpr const char* kPropertyToggleSymbols = "toggleSymbols";
// The property of the text field being typed into; empty while none is.
constexpr const char* kPropertyTyping = "typing";
// The level editor: the brush the palette chose, the fall step and the wave's spacing
// its sliders set, the title and teaches line typed, what the buttons ask for, and the
// texts it shows (what happened, the cell under the cursor, the board's size, the fall
// step and wave, the draft to open).
constexpr const char* kPropertyEditorBrush = "editor_brush";
constexpr const char* kPropertyEditorStep = "editor_step";
constexpr const char* kPropertyEditorEvery = "editor_every";
constexpr const char* kPropertyEditorTitle = "editor_title";
constexpr const char* kPropertyEditorTeaches = "editor_teaches";
constexpr const char* kPropertyEditorCommand = "editor_command";
constexpr const char* kPropertyEditorStatus = "editor_status";
constexpr const char* kPropertyEditorCell = "editor_cell";
constexpr const char* kPropertyEditorSize = "editor_size";
constexpr const char* kPropertyEditorStepText = "editor_step_text";
constexpr const char* kPropertyEditorEveryText = "editor_every_text";
constexpr const char* kPropertyEditorDraft = "editor_draft";
// Values of "editor_command".
constexpr const char* kEditorUndo = "undo";
constexpr const char* kEditorRedo = "redo";
constexpr const char* kEditorWider = "wider";
constexpr const char* kEditorNarrower = "narrower";
constexpr const char* kEditorLonger = "longer";
constexpr const char* kEditorShorter = "shorter";
constexpr const char* kEditorProve = "prove";
constexpr const char* kEditorSave = "save";
constexpr const char* kEditorDraftPrevious = "draft_previous";
constexpr const char* kEditorDraftNext = "draft_next";
constexpr const char* kEditorDraftOpen = "draft_open";
constexpr const char* kPropertyLanguage = "language";
constexpr const char* kPropertyNextLanguage = "nextLanguage";
// The level-complete panel: this run's time and commands, the level's bests beside them
// (or "New best!"), as texts.
constexpr const char* kPropertyBestScore = "bestscore";
constexpr const char* kPropertyLevelTime = "leveltime";
constexpr const char* kPropertyBestTime = "besttime";
constexpr const char* kPropertyLevelCommands = "levelcommands";
constexpr const char* kPropertyBestCommands = "bestcommands";
// The Levels screen: for each level plan, by its slot, the level's folder name (empty for
// a slot without a level), title, best as text and whether it is open ("yes" or "no");
// a count that changes whenever they do; the slot to light (the focus) when the screen
// opens, else empty; the page as text; the turn of the page its buttons ask for ("next"
// or "previous"); whether the level has a run kept to watch ("yes" or "no"); and the
// level a plan or its Watch or Edit button chose (empty for a new level).
constexpr const char* kPropertyLevelName = "level_name_";      // followed by the slot
constexpr const char* kPropertyLevelTitle = "level_title_";    // followed by the slot
constexpr const char* kPropertyLevelBest = "level_best_";      // followed by the slot
constexpr const char* kPropertyLevelOpen = "level_open_";      // followed by the slot
constexpr const char* kPropertyLevelReplay = "level_replay_";  // followed by the slot
// Whether a plan's level is the player's own, which has an Edit button ("yes" or "no");
// the folder those levels are read from; and the Levels screen's heading.
constexpr const char* kPropertyLevelEditable = "level_editable_";  // followed by the slot
constexpr const char* kPropertyOwnLevelsFolder = "own_levels_folder";
constexpr const char* kPropertyLevelsHeading = "levels_heading";
constexpr const char* kPropertyLevelsShown = "levels_shown";
constexpr const char* kPropertyLevelsLit = "levels_lit";
constexpr const char* kPropertyLevelsPage = "levels_page";
constexpr const char* kPropertyLevelsTurn = "levelsTurn";
constexpr const char* kPropertyChosenLevel = "chosen_level";
// Whether a level is open, and whether it has a run to watch.
constexpr const char* kLevelIsOpen = "yes";
constexpr const char* kLevelIsClosed = "no";
constexpr const char* kTurnNext = "next";
constexpr const char* kTurnPrevious = "previous";
// Values of "levelsTurn" that swap the game's levels for the player's own and back.
constexpr const char* kTurnOwn = "own";
constexpr const char* kTurnShipped = "shipped";
// The Keys screen: what became of the last key chosen, and the request of its Defaults
// button ("yes").
constexpr const char* kPropertyKeysMessage = "keys_message";
constexpr const char* kPropertyKeysDefaults = "keysDefaults";
constexpr const char* kPropertyToggleGhost = "toggleGhost";

// Values of "exitToState".
constexpr const char* kStatePlaying = "playing";
constexpr const char* kStateQuitToWindows = "quit_to_windows";
constexpr const char* kStateLevelComplete = "level_complete";
constexpr const char* kStateGameOver = "gameover";
constexpr const char* kStateFrontend = "frontend";
constexpr const char* kStateEditor = "editor";
constexpr const char* kStateTestLevel = "test_level";
constexpr const char* kStateLevels = "levels";
constexpr const char* kStatePractice = "practice";
constexpr const char* kStateWatch = "watch";

// Signals.
constexpr const char* kSignalShowGame = "show_game";
constexpr const char* kSignalHideGame = "hide_game";
constexpr const char* kSignalShowLevelComplete = "show_level_complete";
constexpr const char* kSignalShowHighScore = "show_highscore";
constexpr const char* kSignalGameOver = "game_over";
constexpr const char* kSignalMainMenu = "main_menu";
constexpr const char* kSignalOptionsBack = "options_back";
// The level editor: shown, left (its Back and Escape), its level tested (its Test) and
// the test's game view and its way back; the Levels screen's swap to the player's own
// levels.
constexpr const char* kSignalShowEditor = "show_editor";
constexpr const char* kSignalEditorBack = "editor_back";
constexpr const char* kSignalEditorTest = "editor_test";
constexpr const char* kSignalShowTest = "show_test";
constexpr const char* kSignalHideTest = "hide_test";
constexpr const char* kSignalTestBack = "test_back";
constexpr const char* kSignalOwnLevels = "levels_own";
// The menu shown, whenever the front end begins; the Levels screen shown on the game's
// levels or on the player's own, left for the menu, and a level on it chosen to play or
// to watch; a practice's level-complete panel.
constexpr const char* kSignalShowMenu = "show_menu";
constexpr const char* kSignalShowLevels = "show_levels";
constexpr const char* kSignalShowOwnLevels = "show_own_levels";
constexpr const char* kSignalLevelsBack = "levels_back";
constexpr const char* kSignalPlayLevel = "play_level";
constexpr const char* kSignalWatchLevel = "watch_level";
constexpr const char* kSignalShowPracticeComplete = "show_practice_complete";
constexpr const char* kSignalKeysBack = "keys_back";

// Windows the game looks up by name.
constexpr const char* kWindowGame = "game";
constexpr const char* kWindowOptions = "options";
constexpr const char* kWindowEditorBoard = "editor_board";
// The game view of a test of the editor's level, with its own way back to the editor.
constexpr const char* kWindowTestGame = "test_game";
constexpr const char* kWindowKeys = "keys";

// What the Keys screen says in "keys_message": while a key is awaited, when the key
// pressed is another action's (its caption follows), the menus' own (its name comes
// first) or one the game cannot name, and once every key is back on its default.
constexpr const char* kKeysAskText = translatable("Press a key, Escape cancels");
constexpr const char* kKeysTakenFormat = translatable("Taken by %s");
constexpr const char* kKeysMenuKeyFormat = translatable("%s works the menus");
constexpr const char* kKeysUnnamedText = translatable("That key cannot be used");
constexpr const char* kKeysDefaultsText = translatable("Every key on its default");

}  // namespace nimbus
