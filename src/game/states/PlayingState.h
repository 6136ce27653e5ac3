#pragma once

#include <cstdint>
#include <memory>

#include "core/ResourceHandle.h"
#include "game/rules/RunRecording.h"
#include "game/scene/ViewCaption.h"
#include "game/solver/HintSearch.h"
#include "game/states/GameInput.h"
#include "game/states/GameState.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

class GameImpl;
class KeyBindings;
class GhostRun;

// A level being played, in an arcade run or a practice (the info says which). Its number
// and title stand over the view for a moment as it begins. Each frame the player's input
// becomes commands for the rules, the score goes to the GUI, and the game is drawn into
// the GUI window "game" under the rest of the GUI. The window losing the keyboard focus
// (or being minimised) pauses the game as the Pause key would, and it stays paused, with
// "Paused" over the view, until the player resumes.
//
// When the last life is lost the board freezes (paused, hidden, no GUI over it) under a
// "Game Over" text and a hint to click until the player presses the left button, which
// signals "game_over" once. A practice never reaches the table: there the button, like
// Escape and the Menu button, leads back to the Levels screen. A completed level, with
// its time and commands left in the info, or the GUI asking for the front end (the
// Levels screen in a practice) or the game over, hands the game to a HideGameState that
// lets the GUI take the view away.
//
// The Hint key (H) asks for a hint: the first move of a shortest win from here, searched
// off the frame loop, then shown for a few seconds (a big arrow over the roll's tile, or a
// text naming the twist's key) at the price of GameImpl::kHintCost; or a text saying there
// is no win left. A second press while a hint is searched or shown does nothing; moving
// the die drops it.
//
// The run is recorded from the level's start; a completed run that is the level's new
// best is kept as the level's replay. While the level is played again, that best run
// races along as a see-through ghost die, unless the player switched it off in Options.
class PlayingState : public GameState {
public:
    PlayingState();
    ~PlayingState() override;

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "PlayingState"; }

    // For tests and tools: the level being played (null once handed on), the input.
    const GameImpl* game() const { return game_.get(); }
    const GameInput& input() const { return input_; }
    const RunRecording& run() const { return run_; }
    // The level's best run racing along; null without one.
    const GhostRun* ghost() const { return ghost_.get(); }
    HintSearch& hint() { return hint_; }
    bool gameOver() const { return gameOver_; }

protected:
    void drawUnderGui(GameStateInfo& info, const Camera& camera) override;

private:
    // The editor's level under test, the player's own level practised, or the game's.
    static std::unique_ptr<GameImpl> makeGame(const GameStateInfo& info);
    // Leaves for the hide-game state with the game.
    GenericState* handOver(GameStateInfo& info);
    // Keeps the completed run as the level's replay when it is the best yet.
    void keepIfBest(GameStateInfo& info);
    // The level's best run as a ghost, when there is one.
    void startGhost(const GameStateInfo& info);
    // Keeps the ghost at the level's time: it starts over with the level, and runs only
    // while the level does.
    void followWithGhost(float dt, bool levelRan, bool lifeLost);
    // Starts a search when asked and idle, shows its answer when it comes, and takes it
    // away when its time is up or the die moved on.
    void updateHint(float dt, bool asked, const KeyBindings& keys);
    void showHint(HintSearch::Status status, const KeyBindings& keys);
    void layOutLevelCaption(const GameStateInfo& info);

    std::unique_ptr<GameImpl> game_;
    RunRecording run_;
    std::unique_ptr<GhostRun> ghost_;
    GameInput input_;
    HintSearch hint_;
    bool hintShown_ = false;
    float hintLeft_ = 0.0f;
    bool gameOver_ = false;
    bool gameOverSignalled_ = false;
    ResourceHandle<BitmapFont> font_;
    ViewCaption gameOverCaption_;
    ViewCaption pausedCaption_;
    ViewCaption levelCaption_;
    float levelCaptionLeft_ = 0.0f;
};

}  // namespace nimbus
