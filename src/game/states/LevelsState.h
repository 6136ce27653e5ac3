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
//
// Its Your levels button swaps the game's levels for the player's own, listed as they are
// proven: all open once proven, a refused one with its reason and closed. There a level
// is practised alike (keeping its bests and its best run under its file), its Edit button
// opens it in the level editor, and New level opens the editor on a new level. The screen
// opens again on the player's levels when it was left from them.
class LevelsState : public GameState {
public:
    void enter(GameStateInfo& info) override;
    GenericState* update(float dt, GameStateInfo& info) override;
    const char* name() const override { return "LevelsState"; }

    int32_t page() const { return page_; }

private:
    // Shows the player's own levels or the game's, from the first page or the furthest.
    void show(GameStateInfo& info, bool own);
    // Slides the screen back in on the levels it shows, with the button that swaps to the
    // others as it was left, so that no button slides out and in again.
    void showScreen(Gui& gui) const;
    // Publishes the page of the levels shown, lighting slot `lit` (or none for -1).
    void publish(GameStateInfo& info, int32_t lit);
    void turnPage(GameStateInfo& info);
    // The practice of the chosen level, or null (reported) when it cannot be played.
    GenericState* practice(GameStateInfo& info);
    // The watching of the chosen level's kept run, or null (reported) when it has none.
    GenericState* watch(GameStateInfo& info);
    // The level editor on the chosen level of the player's, or on a new one when none was
    // chosen; this screen again (reported) when the level cannot be opened.
    GenericState* edit(GameStateInfo& info);
    // The chosen level's index among the levels.
    static int32_t chosenLevel(const GameStateInfo& info);

    int32_t page_ = 0;
    int32_t pageCount_ = 1;
    bool own_ = false;
    // The player levels' revision last shown.
    uint32_t shownRevision_ = 0;
    // By level, whether it has a kept run that fits it.
    std::vector<bool> watchable_;
};

}  // namespace nimbus
