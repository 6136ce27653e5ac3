#pragma once

#include <cstddef>
#include <memory>

#include "game/rules/DiceState.h"
#include "game/solver/SearchThread.h"
#include "game/solver/Solver.h"

namespace nimbus {

class GameImpl;

// A shortest win from where a level in play stands (its first move is the hint), searched
// on a worker thread so that no frame waits for it. The worker is handed copies made here
// (the tiles of the board in play, the solver's model of them, the die's cell and
// orientation, the clock, the pick-ups taken and the clock effects running) and never
// touches the game. A search still running when the level ends is told to stop and left
// to finish on its own (SearchThread).
class HintSearch {
public:
    enum class Status { kIdle, kSearching, kFound, kNoWin, kGaveUp };
    // Enough for the shipped levels from any point, and bounded in memory.
    static constexpr size_t kStateLimit = 1000000;

    HintSearch();
    ~HintSearch();
    HintSearch(const HintSearch&) = delete;
    HintSearch& operator=(const HintSearch&) = delete;

    // Starts a search from the game as it stands now; a die still turning is taken as it
    // will stand when it lands. False, and nothing started, unless idle or when the level
    // did not load.
    bool start(const GameImpl& game);
    // Where the search is, looked up without waiting.
    Status status();
    // The shortest win found (kFound): its first step is the hint, to stand so many
    // frames and then turn (DieTurns numbering).
    const Solution& solution() const;
    // The die the search set out from, to tell when the player has moved on.
    const DiceState& from() const;
    // Stops a running search and forgets the answer: idle again.
    void reset();

private:
    struct Job;

    std::shared_ptr<Job> job_;  // shared with the worker
    SearchThread worker_;
    Status status_ = Status::kIdle;
};

}  // namespace nimbus
