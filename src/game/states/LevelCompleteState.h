#pragma once

#include <cstdint>

#include "game/states/GameState.h"

namespace nimbus {

// Between two levels: shows the total and the level's own score, and goes on to the next
// level when the GUI says so. After the last level play continues with the first, the
// score carried on; there is no final victory.
class LevelCompleteState : public GameState {
public:
    bool enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "LevelCompleteState"; }

    int32_t nextLevel() const { return nextLevel_; }

private:
    int32_t nextLevel_ = 0;
};

}  // namespace nimbus
