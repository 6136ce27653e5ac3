#include "game/solver/Solver.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <queue>
#include <tuple>
#include <unordered_map>

#include "game/solver/SolverTurns.h"

namespace nimbus {

namespace {

constexpr int kUnreachable = -1;

struct Node {
    LevelModel::State state;
    int parent;
    SolutionStep step;
    int commands;
    bool won;
};

// What must be equal for one state to stand in for another; the clock is compared apart.
std::string keyOf(const LevelModel::State& s) {
    std::string key(reinterpret_cast<const char*>(&s.position), sizeof s.position);
    key.append(reinterpret_cast<const char*>(&s.orientation), sizeof s.orientation);
    key.append(reinterpret_cast<const char*>(&s.taken), sizeof s.taken);
    // Zero unless the clock ran backwards while the die turned.
    const float keyedAhead = s.peakClock - s.clock;
    key.append(reinterpret_cast<const char*>(&keyedAhead), sizeof keyedAhead);
    for (const auto& effect : s.queue) {
        key.append(reinterpret_cast<const char*>(&effect.kind), sizeof effect.kind);
        key.append(reinterpret_cast<const char*>(&effect.elapsed), sizeof effect.elapsed);
    }
    return key;
}

// Rolls from each cell to the nearest goal over tiles some face can enter, ignoring
// colours and time: never more than a win needs, and one roll changes it by at most one,
// so the search below stays exact.
std::vector<int> rollsToGoal(const Board& board) {
    std::vector<int> rolls(board.tiles().size(), kUnreachable);
    std::deque<Position> frontier;
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            if (board.tileAt(Position(x, y)).color != kGoal) continue;
            rolls[board.index(Position(x, y))] = 0;
            frontier.push_back(Position(x, y));
        }
    }
    while (!frontier.empty()) {
        const Position at = frontier.front();
        frontier.pop_front();
        // The die may stand on the start, but only rolls onto tiles that take a face.
        if (!takesSomeFace(board.tileAt(at).color)) continue;
        const int here = rolls[board.index(at)];
        for (Direction d = 0; d < 4; ++d) {
            const Position from = at.stepped(d);
            if (!board.contains(from)) continue;
            int& there = rolls[board.index(from)];
            const int32_t color = board.tileAt(from).color;
            if (there != kUnreachable || !(takesSomeFace(color) || color == kStart)) continue;
            there = here + 1;
            frontier.push_back(from);
        }
    }
    return rolls;
}

}  // namespace

Solution Solver::solve(SearchSignals* signals) const {
    Solution solution = search(model_.start(), signals);
    if (solution.winnable) measureSlack(solution, signals);
    return solution;
}

Solution Solver::search(const LevelModel::State& from, SearchSignals* signals) const {
    Solution solution;
    if (!model_.fits()) return solution;
    const Board& board = model_.board();
    const std::vector<int> toGoal = rollsToGoal(board);
    auto estimate = [&](const Position& p) { return toGoal[board.index(p)]; };

    std::vector<Node> nodes;
    // For each key the node that stands for it: a later state with no fewer commands and
    // no earlier clock is dropped.
    std::unordered_map<std::string, int> best;
    auto dominated = [&](int by, int commands, float clock) {
        return nodes[by].commands <= commands && nodes[by].state.clock <= clock;
    };
    // Best first by commands so far plus the rolls still needed; among equals the deeper
    // state, then the older one, so the search is the same on every run.
    using Entry = std::tuple<int, int, int>;  // (estimated total, -commands, node)
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    auto offer = [&](LevelModel::State&& state, int parent, SolutionStep step, int commands, bool won) {
        const int still = won ? 0 : estimate(state.position);
        if (still == kUnreachable) return;
        if (solution.closestRolls < 0 || still < solution.closestRolls) {
            solution.closestRolls = still;
            solution.closest = state.position;
        }
        const int index = static_cast<int>(nodes.size());
        if (!won) {
            auto [slot, fresh] = best.try_emplace(keyOf(state), index);
            if (!fresh) {
                if (dominated(slot->second, commands, state.clock)) return;
                slot->second = index;
            }
        }
        nodes.push_back({std::move(state), parent, step, commands, won});
        open.emplace(commands + still, -commands, index);
    };
    offer(LevelModel::State(from), -1, {}, 0, false);

    int won = -1;
    while (!open.empty()) {
        if (nodes.size() > stateLimit_ || (signals && signals->stopped())) {
            solution.exhausted = true;
            break;
        }
        if (signals) signals->states.store(nodes.size(), std::memory_order_relaxed);
        const int index = std::get<2>(open.top());
        open.pop();
        if (nodes[index].won) {
            won = index;
            break;
        }
        const LevelModel::State here = nodes[index].state;
        const int commands = nodes[index].commands;
        const int standing = best.at(keyOf(here));
        if (standing != index && dominated(standing, commands, here.clock))
            continue;  // bettered since queued
        for (int which = 0; which < DieTurns::kTurnCount; ++which) {
            LevelModel::State next = here;
            const LevelModel::Outcome outcome = model_.turn(next, which);
            if (outcome == LevelModel::Outcome::kWon || outcome == LevelModel::Outcome::kGoing)
                offer(std::move(next), index, {0, which}, commands + 1, outcome == LevelModel::Outcome::kWon);
        }
        if (here.queue.empty()) continue;
        const int untilEnd = model_.framesLeftOfFront(here);
        for (int frames : {std::min(kWaitChunkFrames, untilEnd), untilEnd}) {
            LevelModel::State next = here;
            if (frames > 0 && model_.wait(next, frames) == LevelModel::Outcome::kGoing)
                offer(std::move(next), index, {frames, -1}, commands, false);
        }
    }
    solution.statesSearched = nodes.size();
    if (won < 0) return solution;
    solution.winnable = true;
    solution.frames = nodes[won].state.frame;
    // Walk back; a wait folds into the command that follows it.
    for (int at = won; nodes[at].parent >= 0; at = nodes[at].parent) {
        const SolutionStep& step = nodes[at].step;
        if (step.turn < 0) {
            solution.steps.back().waitFrames += step.waitFrames;
        } else {
            solution.steps.push_back(step);
        }
    }
    std::reverse(solution.steps.begin(), solution.steps.end());
    return solution;
}

bool Solver::play(const std::vector<SolutionStep>& steps, size_t late, int lateFrames) const {
    LevelModel::State state = model_.start();
    for (size_t i = 0; i < steps.size(); ++i) {
        const int extra = late == kEveryStep || late == i ? lateFrames : 0;
        if (model_.wait(state, steps[i].waitFrames + extra) != LevelModel::Outcome::kGoing) return false;
        const LevelModel::Outcome outcome = model_.turn(state, steps[i].turn);
        if (outcome == LevelModel::Outcome::kWon) return true;
        if (outcome != LevelModel::Outcome::kGoing) return false;
    }
    return false;
}

int Solver::slackFrames(const std::vector<SolutionStep>& steps, size_t late,
                        const SearchSignals* signals) const {
    for (int frames = 1; frames <= kSlackLimitFrames; ++frames) {
        if (signals && signals->stopped()) return 0;
        if (!play(steps, late, frames)) return frames;
    }
    return kSlackLimitFrames + 1;
}

int Solver::paceFrames(const std::vector<SolutionStep>& steps, const SearchSignals* signals) const {
    return slackFrames(steps, kEveryStep, signals);
}

void Solver::measureSlack(Solution& solution, const SearchSignals* signals) const {
    int tightest = kSlackLimitFrames + 1;
    for (size_t i = 0; i < solution.steps.size(); ++i) {
        const int frames = slackFrames(solution.steps, i, signals);
        if (frames == 0) return;
        if (frames < tightest) {
            tightest = frames;
            solution.tightestStep = static_cast<int>(i);
        }
    }
    solution.slackUnlimited = tightest > kSlackLimitFrames;
    // The last delay that still wins is one frame short of the first that loses.
    solution.slack = (tightest - 1) * model_.frameStep();
    const int pace = paceFrames(solution.steps, signals);
    if (pace == 0) return;
    solution.paceUnlimited = pace > kSlackLimitFrames;
    solution.pace = (pace - 1) * model_.frameStep();
}

std::string describeSteps(const std::vector<SolutionStep>& steps) {
    std::string text;
    for (const SolutionStep& step : steps) {
        if (!text.empty()) text += ' ';
        if (step.waitFrames > 0) text += "wait" + std::to_string(step.waitFrames) + ' ';
        text += kSolverTurns[step.turn].word;
    }
    return text;
}

}  // namespace nimbus
