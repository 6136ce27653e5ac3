#pragma once

#include "game/states/GameState.h"

namespace nimbus {

// The game has been lost: the result enters the high-score table (kept to ten rows),
// the table is shown, and the GUI's way back leads to the front end.
class GameOverState : public GameState {
public:
    static constexpr int kTableRows = 10;

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "GameOverState"; }
};

}  // namespace nimbus
