#pragma once

#include <memory>

#include "game/states/GameState.h"

namespace nimbus {

class GameImpl;

// Lets the GUI slide the game view away before anything else happens: the game is still
// drawn (no longer played) while its window is shown. Once the window is hidden, the
// state goes where "exitToState" says: the level-complete screen, the front end, the
// Levels screen or the game over. It owns the finished game and deletes it.
class HideGameState : public GameState {
public:
    explicit HideGameState(std::unique_ptr<GameImpl> game);
    ~HideGameState() override;

    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "HideGameState"; }

protected:
    void drawUnderGui(GameStateInfo& info, const Camera& camera) override;

private:
    std::unique_ptr<GameImpl> game_;
};

}  // namespace nimbus
