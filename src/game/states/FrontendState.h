#pragma once

#include "game/states/GameState.h"

namespace nimbus {

// The menus. Entering it ends any game that was running: the stats are dropped and the
// next game starts at the first level. Play starts a new game with fresh stats; Quit
// ends the program. Escape ends it too, except on the options screen, which it leaves for
// the menu as the screen's Back button does.
class FrontendState : public GameState {
public:
    bool enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "FrontendState"; }

private:
    void escapeFromOptions(Gui& gui);
};

}  // namespace nimbus
