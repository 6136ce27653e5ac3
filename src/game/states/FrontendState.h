#pragma once

#include <memory>

#include "game/states/GameState.h"

namespace nimbus {

class DemoState;

// The menus. Entering it ends any game that was running: the stats are dropped and the
// next game starts at the first level. Play starts a new game with fresh stats; Levels
// leads to the Levels screen; Quit ends the program. The Quit key ends it too; the Back
// key (both Escape at first) leaves the Keys screen for the options and the options for
// the menu, as the screens' Back buttons do, and takes the key from the Quit action there.
//
// Left alone (no key, click or pointer motion) for the info's demo time while the menu is
// up, it hands over to a demo of a random level, prepared from the moment it was entered.
class FrontendState : public GameState {
public:
    FrontendState();
    ~FrontendState() override;

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "FrontendState"; }

private:
    // The Back key on a screen it leaves: the screen's back signal, and the key's events
    // taken. Nothing while the Keys screen waits for a key.
    void backFromScreens(Gui& gui);
    // Levels tried for a demo before the front end gives up on one.
    static constexpr int kDemoTries = 3;

    // Keeps a demo ready; returns it once the player has rested long enough.
    GenericState* demoWhenIdle(GameStateInfo& info);

    float idle_ = 0.0f;
    std::unique_ptr<DemoState> demo_;
    int demoTries_ = 0;
};

}  // namespace nimbus
