#pragma once

#include <memory>

#include "core/ResourceHandle.h"
#include "game/player/Replay.h"
#include "game/rules/PlayerStats.h"
#include "game/rules/RunPlayback.h"
#include "game/scene/ViewCaption.h"
#include "game/solver/HintSearch.h"
#include "game/solver/SolutionReplay.h"
#include "game/states/GameState.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

class GameImpl;

// The game playing itself behind the menus for a player who left the front end alone,
// under a "Demo" caption: one of the player's own kept runs, a level picked at random
// among those that have one; or, without any, a level picked at random rolled along its
// shortest solution. The front end makes it as soon as the player goes idle, and it
// searches the solution on a worker meanwhile, so that it starts without a stall once
// found. It plays on stats of its own: its score and lost lives reach neither a game nor
// the high-score table.
//
// A kept run is played at the pace it was recorded. The solution is played at the
// solver's fixed step, as many steps a frame as the real time allows. Any key or click, the level won, or the
// solution running out of step with the game (a life lost, or no goal by the time it should be reached) ends
// the demo: the GUI document's transitions bring the menus back and take the game view away, as when the
// player leaves a game for the menu, and then the front end takes over.
class DemoState : public GameState, private ReplayTarget {
public:
    // Picks the level and starts the search.
    explicit DemoState(const GameStateInfo& info);
    ~DemoState() override;

    // kFound once it can start (at once for a kept run); kSearching meanwhile; anything
    // else means no demo here.
    HintSearch::Status search() { return ownPlayback_ ? HintSearch::Status::kFound : search_.status(); }
    // Whether it plays one of the player's kept runs, and the level.
    bool playsOwnRun() const { return ownPlayback_ != nullptr; }
    const GameImpl* game() const { return game_.get(); }

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "DemoState"; }

protected:
    void drawUnderGui(GameStateInfo& info, const Camera& camera) override;

private:
    // A real frame longer than this many steps is not made up for.
    static constexpr int kMaxStepsPerFrame = 4;
    // Frames the level may take beyond the solution's own before it counts as out of step.
    static constexpr int kSpareFrames = 60;

    // Sets out to play the level's kept run; false when it has none that fits it now.
    bool startOwnRun(const GameStateInfo& info);
    bool handIn(const SolutionStep& step) override;
    bool passFrame() override;
    // Runs the steps that the real time `dt` allows; true once the demo is over.
    bool play(float dt);

    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    HintSearch search_;
    std::unique_ptr<SolutionReplay> replay_;
    Replay ownRun_;
    std::unique_ptr<RunPlayback> ownPlayback_;
    float pending_ = 0.0f;  // real seconds not yet played
    int framesLeft_ = 0;
    bool outOfStep_ = false;
    bool over_ = false;    // the menu is asked back
    bool hiding_ = false;  // the view is being taken away
    ResourceHandle<BitmapFont> font_;
    ViewCaption caption_;
};

}  // namespace nimbus
