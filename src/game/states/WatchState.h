#pragma once

#include <cstdint>
#include <memory>

#include "core/ResourceHandle.h"
#include "game/player/Replay.h"
#include "game/rules/PlayerStats.h"
#include "game/rules/RunPlayback.h"
#include "game/scene/ViewCaption.h"
#include "game/states/GameState.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

class GameImpl;

// A level's kept run played again in the game's view, with its HUD, under a "Replay"
// caption that tells the speed. The Pause key or button stops and resumes it; 1, 2 and 4
// show it at that many times its pace. The run plays on stats of its own, from those it
// was recorded with, so nothing of it reaches a game, the table, the progress or the
// replays. Once it is over the recorded score and time stand over the view until a key
// or a click; then, or at Escape or the Menu button at any time, the view slides away and
// the Levels screen comes back.
class WatchState : public GameState {
public:
    // Loads the level and its kept run; ready() tells whether both fit.
    WatchState(const GameStateInfo& info, int32_t levelIndex);
    ~WatchState() override;

    bool ready() const { return playback_ != nullptr; }
    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "WatchState"; }

    // For tests: the level, the run, and how it is shown.
    const GameImpl* game() const { return game_.get(); }
    const Replay& replay() const { return replay_; }
    bool over() const { return playback_ && playback_->finished(); }
    bool paused() const { return paused_; }
    int32_t speed() const { return speed_; }

protected:
    void drawUnderGui(GameStateInfo& info, const Camera& camera) override;

private:
    // Pause and speed from this frame's keys; true for any other key press or click.
    bool takeInput(const GameStateInfo& info);
    void setSpeed(int32_t speed);
    // The recorded score and time over the view.
    void layOutEnd();

    PlayerStats stats_;
    std::unique_ptr<GameImpl> game_;
    Replay replay_;
    std::unique_ptr<RunPlayback> playback_;
    int32_t speed_ = 1;
    bool paused_ = false;
    bool ended_ = false;    // the end caption is up
    bool leaving_ = false;  // the Levels screen is asked back
    bool hiding_ = false;   // the view is being taken away
    ResourceHandle<BitmapFont> font_;
    ViewCaption caption_;
    ViewCaption pausedCaption_;
    ViewCaption endCaption_;
};

}  // namespace nimbus
