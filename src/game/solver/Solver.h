#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "game/solver/LevelModel.h"

namespace nimbus {

// One command of a solution: wait this many frames with the die idle, then turn.
struct SolutionStep {
    int waitFrames = 0;
    int turn = 0;  // DieTurns numbering
};

struct Solution {
    bool winnable = false;
    bool exhausted = false;  // the search gave up at its state limit; nothing is proven
    std::vector<SolutionStep> steps;
    int frames = 0;               // frames from the start until the level is complete
    float slack = 0.0f;           // seconds the player may be late at the tightest step
    bool slackUnlimited = false;  // no delay up to the limit hurt
    float pace = 0.0f;            // seconds the player may spare before every command alike
    bool paceUnlimited = false;
    int tightestStep = -1;
    size_t statesSearched = 0;
    // For a level that is not won: where the die got closest to a goal (fewest rolls
    // still needed), a hint for the designer.
    Position closest;
    int closestRolls = -1;
};

// What a search running on a worker thread shares with the thread that started it.
struct SearchSignals {
    // Set by the starter: the search gives up (exhausted) and measures nothing more.
    std::atomic<bool> stop{false};
    // States searched so far, for a progress display.
    std::atomic<size_t> states{0};

    bool stopped() const { return stop.load(std::memory_order_relaxed); }
};

// Searches a level for its shortest win (fewest commands) without losing a life, each
// command given the moment the die takes it, with waits only while a pick-up bends the
// clock (otherwise waiting never helps: every tile only falls). The search goes best
// first, guided by the rolls still needed to reach a goal. A state is dropped when
// another with no more commands stood at the same cell, orientation, pick-ups and
// effects at no later clock.
class Solver {
public:
    static constexpr size_t kStateLimit = 4000000;
    static constexpr int kSlackLimitFrames = 20 * 60;
    static constexpr int kWaitChunkFrames = 15;

    // `stateLimit` caps the states searched (and so the memory taken).
    explicit Solver(const LevelModel& model, size_t stateLimit = kStateLimit)
        : model_(model), stateLimit_(stateLimit) {}

    // The shortest win and its slack and pace; `signals`, when given, can stop it and
    // follow its progress.
    Solution solve(SearchSignals* signals = nullptr) const;
    // The shortest win alone.
    Solution search() const { return search(model_.start()); }
    // The shortest win from a state of the level, with the die idle.
    Solution search(const LevelModel::State& from, SearchSignals* signals = nullptr) const;
    // Fills in the slack and pace of a winning solution; a stopped measure is left
    // unfinished.
    void measureSlack(Solution& solution, const SearchSignals* signals = nullptr) const;
    // The shortest delay before step `late` that loses, or kSlackLimitFrames + 1; 0 once
    // stopped.
    int slackFrames(const std::vector<SolutionStep>& steps, size_t late,
                    const SearchSignals* signals = nullptr) const;
    // The shortest delay before every step that loses, or kSlackLimitFrames + 1; 0 once
    // stopped.
    int paceFrames(const std::vector<SolutionStep>& steps, const SearchSignals* signals = nullptr) const;

private:
    static constexpr size_t kEveryStep = static_cast<size_t>(-1);

    // Plays the steps, `lateFrames` later before step `late` (or before every step for
    // kEveryStep); true when won.
    bool play(const std::vector<SolutionStep>& steps, size_t late, int lateFrames) const;

    const LevelModel& model_;
    size_t stateLimit_;
};

// "right down wait15 twist0 ..." for a report.
std::string describeSteps(const std::vector<SolutionStep>& steps);

}  // namespace nimbus
