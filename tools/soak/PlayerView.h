#pragma once

#include <string>

#include "gui/KeyBindings.h"

class Desktop;

// The shipped menus as a player finds them on the screen: where their buttons and panels
// lie (GUI coordinates) and how to tell, from a few pixels, which screen is up.
namespace player {

struct Place {
    float x;
    float y;
};

constexpr Place kPlayButton{0.0f, -0.19f};
constexpr Place kLevelsButton{0.0f, -0.34f};
constexpr Place kScoresButton{0.0f, -0.49f};
constexpr Place kNextButton{0.0f, -0.44f};
constexpr Place kMenuButton{1.1f, 0.84f};
constexpr Place kOptionsButton{0.0f, -0.66f};
constexpr Place kOptionsBackButton{0.0f, -0.7f};
constexpr Place kKeysButton{-0.2f, -0.52f};
// The Watch button of the Levels screen's first plan, there when its level has a kept run.
constexpr Place kFirstWatchButton{-0.8f, 0.315f};
// The practice's level-complete panel's way back to the Levels screen.
constexpr Place kPracticeLevelsButton{0.47f, -0.44f};
// A row of the Keys screen, by its action (the order of the input table): two columns of
// seven.
Place keyRow(int32_t action);
// The music slider's track at 80 % of its travel.
constexpr Place kMusicAt80{0.383f, 0.42f};
// Anywhere on the screen: where a click that only has to reach the game goes.
constexpr Place kCentre{0.0f, 0.0f};

// Waits at most this many seconds for a screen to come.
constexpr float kWait = 20.0f;

// The front end with its Play button, seen from the last stretch of its slide on.
bool frontEndShown(Desktop& desktop);

// The GUI takes no input while a window slides, and on a loaded machine a slide can
// outlast any fixed pause. These wait (kWait at most) until the menu is up and stands
// still, as a player sees it: the row through its button's caption kept every pixel of
// the button between two looks while the backdrop at the sides moved on, so the game drew
// a frame in between. A sliding window moves several pixels a frame.
bool frontEndReady(Desktop& desktop);
bool optionsReady(Desktop& desktop);
bool levelCompleteReady(Desktop& desktop);
bool levelsReady(Desktop& desktop);
bool keysReady(Desktop& desktop);

// The Levels screen with its Back button.
bool levelsShown(Desktop& desktop);
// The centre of the plan in a slot of the Levels screen's page, from 0 at the top left.
Place planAt(int slot);
// How many bright pixels the plan's map and its line of best hold: a level not reached
// is dimmed, and a best reads longer than "Not won yet".
int planMapLight(Desktop& desktop, int slot);
int planBestLight(Desktop& desktop, int slot);
// The Levels screen's Your levels and New level buttons, and in the level editor the
// centre of the new level's board cell (x, y), counted as in its text.
constexpr Place kOwnLevelsButton{-0.98f, 0.85f};
constexpr Place kNewLevelButton{0.98f, 0.85f};
Place editorCell(int x, int y);
// The level editor, with its Undo and Back buttons.
bool editorShown(Desktop& desktop);
// Whether the plan in a slot has the Edit button of a player's own level.
bool editButtonShown(Desktop& desktop, int slot);
// The practice's level-complete panel with its Levels button.
bool practiceCompleteShown(Desktop& desktop);
// The options screen with its two switches.
bool optionsShown(Desktop& desktop);
// The Keys screen with its Defaults and Back buttons.
bool keysShown(Desktop& desktop);
// Whether the music slider's filled part reaches past two thirds of its track.
bool musicAboveTwoThirds(Desktop& desktop);
// The high-score panel.
bool scoresShown(Desktop& desktop);
// The seventh row of the high-score table, empty while it holds its six defaults.
bool seventhRowShown(Desktop& desktop);
// Whether the HUD over a level shows its heart for the life numbered from 0.
bool heartShown(Desktop& desktop, int life);
// After Play or Next: the level has slid in with the panes of its Pause and Menu buttons,
// whose navy tells them from the menus' backdrop (seen on levels 01 and 02). A moment of
// black between the two is no sign: a slow frame may skip it.
bool levelArrives(Desktop& desktop);

// Clicks the place while the screen it lies on is seen, until the level has arrived: a
// screen may still slide in, and a click then is not taken.
bool playFrom(Desktop& desktop, Place place, bool (*screenShown)(Desktop&));
// The same from the menu's Play button.
bool playFromMenu(Desktop& desktop);

// Clicks until the screen the click leads to is up: a click that lands while a screen
// still slides is not taken, and on a loaded machine a slide can outlast any fixed pause.
bool clickUntil(Desktop& desktop, Place place, bool (*shown)(Desktop&));

// Rolls the die along the first `turns` moves (all when negative) of the shortest
// solution of the level source, pressing the keys a player with those bindings would, at
// the solver's pace.
bool playSolution(Desktop& desktop, const std::string& levelSource, int turns = -1,
                  const nimbus::KeyBindings& keys = nimbus::KeyBindings());

}  // namespace player
