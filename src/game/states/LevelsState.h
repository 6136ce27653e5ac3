#pragma once

#include <cstdint>
#include <vector>

#include "game/states/GameState.h"

namespace nimbus {

// The Levels screen: every level as a plan with its title and best, a page at a time.
// Entering it ends any game that was running and opens on the page of the furthest level
// reached, with that level lit. Its page buttons turn the pages (wrapping at the ends);
// an open level chosen starts a practice of it with fresh stats; a level that has a kept
// run that still fits it has a Watch button, which plays that run; Back, or Escape, leads
// to the menu.
class LevelsState : public GameState {
public:
    bool enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "LevelsState"; }

    int32_t page() const { return page_; }

private:
    void turnPage(GameStateInfo& info);
    // The practice of the chosen level, or null (reported) when it cannot be played.
    GenericState* practice(GameStateInfo& info);
    // The watching of the chosen level's kept run, or null (reported) when it has none.
    GenericState* watch(GameStateInfo& info);
    // The chosen level's index among the levels.
    static int32_t chosenLevel(const GameStateInfo& info);

    int32_t page_ = 0;
    // By level, whether it has a kept run that fits it.
    std::vector<bool> watchable_;
};

}  // namespace nimbus
