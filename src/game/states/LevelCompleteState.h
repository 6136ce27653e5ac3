#pragma once

#include <cstdint>

#include "game/states/GameState.h"

namespace nimbus {

// Between two levels: records the level's result in the progress (its bests, the next
// level reached), shows the total and the level's own score, time and commands beside
// the level's bests ("New best!" for each this run set), and goes on to the next level
// when the GUI says so, in the same kind of game. After the last level play continues
// with the first, the score carried on; there is no final victory. A practice's panel
// leads back to the Levels screen too.
class LevelCompleteState : public GameState {
public:
    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "LevelCompleteState"; }

    int32_t nextLevel() const { return nextLevel_; }

private:
    int32_t nextLevel_ = 0;
};

}  // namespace nimbus
