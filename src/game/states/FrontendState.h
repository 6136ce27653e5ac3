#pragma once

#include "game/states/GameState.h"

namespace nimbus {

// The menus. Entering it ends any game that was running: the stats are dropped and the
// next game starts at the first level. Play starts a new game with fresh stats; Quit
// ends the program.
class FrontendState : public GameState {
public:
    bool enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "FrontendState"; }
};

}  // namespace nimbus
