#include "game/solver/Solver.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory_resource>
#include <queue>
#include <string>
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
// Made in the search's pool, like everything else the search keeps per state.
std::pmr::string keyOf(const LevelModel::State& s, std::pmr::memory_resource* pool) {
    std::pmr::string key(reinterpret_cast<const char*>(&s.position), sizeof s.position, pool);
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

// The nodes the search has met, for each key the node that stands for it (a later state
// with no fewer commands and no earlier clock is dropped), and the open nodes, best first
// by commands so far plus the rolls still needed; among equals the deeper state, then the
// older one, so the search is the same on every run. Notes in the solution where the die
// came closest to a goal. A search takes its memory a block at a time from its own pool,
// never a state at a time: it may run on a worker beside the frames, and share the
// allocator with them.
class BestFirst {
public:
    BestFirst(const Board& board, Solution& solution)
        : board_(board), toGoal_(rollsToGoal(board)), solution_(solution) {}

    // Queues a state reached from node `parent` by `step`, unless no goal can be reached
    // from it or a state queued before stands for it.
    void offer(LevelModel::State&& state, int parent, SolutionStep step, int commands, bool won) {
        const int still = won ? 0 : toGoal_[board_.index(state.position)];
        if (still == kUnreachable) return;
        if (solution_.closestRolls < 0 || still < solution_.closestRolls) {
            solution_.closestRolls = still;
            solution_.closest = state.position;
        }
        const int index = static_cast<int>(nodes_.size());
        if (!won) {
            auto [slot, fresh] = best_.try_emplace(keyOf(state, &pool_), index);
            if (!fresh) {
                if (dominated(slot->second, commands, state.clock)) return;
                slot->second = index;
            }
        }
        nodes_.push_back({std::move(state), parent, step, commands, won});
        open_.emplace(commands + still, -commands, index);
    }

    // The best open node, taken off the queue; -1 when another state has bettered it
    // since it was queued.
    int take() {
        const int index = std::get<2>(open_.top());
        open_.pop();
        const Node& node = nodes_[index];
        if (node.won) return index;
        const int standing = best_.at(keyOf(node.state, &pool_));
        return standing != index && dominated(standing, node.commands, node.state.clock) ? -1 : index;
    }

    // A copy of `state` whose queue is kept in the search's pool.
    LevelModel::State copy(const LevelModel::State& state) {
        LevelModel::State pooled(&pool_);
        pooled = state;
        return pooled;
    }

    bool empty() const { return open_.empty(); }
    size_t size() const { return nodes_.size(); }
    const Node& node(int index) const { return nodes_[index]; }

    // The steps from the first node to node `last`; a wait folds into the command that
    // follows it.
    std::vector<SolutionStep> stepsTo(int last) const {
        std::vector<SolutionStep> steps;
        for (int at = last; nodes_[at].parent >= 0; at = nodes_[at].parent) {
            const SolutionStep& step = nodes_[at].step;
            if (step.turn < 0) {
                steps.back().waitFrames += step.waitFrames;
            } else {
                steps.push_back(step);
            }
        }
        std::reverse(steps.begin(), steps.end());
        return steps;
    }

private:
    bool dominated(int by, int commands, float clock) const {
        return nodes_[by].commands <= commands && nodes_[by].state.clock <= clock;
    }

    const Board& board_;
    const std::vector<int> toGoal_;
    Solution& solution_;
    std::pmr::unsynchronized_pool_resource pool_;
    std::pmr::vector<Node> nodes_{&pool_};
    std::pmr::unordered_map<std::pmr::string, int> best_{&pool_};
    using Entry = std::tuple<int, int, int>;  // (estimated total, -commands, node)
    std::priority_queue<Entry, std::pmr::vector<Entry>, std::greater<Entry>> open_{
        std::greater<Entry>(), std::pmr::vector<Entry>(&pool_)};
};

// Offers every turn the die can take from node `index`, and while a pick-up bends the
// clock, a short wait and the wait to the end of the effect.
void expand(const LevelModel& model, BestFirst& search, int index) {
    // A copy: offering grows the nodes under the reference.
    const LevelModel::State here = search.copy(search.node(index).state);
    const int commands = search.node(index).commands;
    for (int which = 0; which < DieTurns::kTurnCount; ++which) {
        LevelModel::State next = search.copy(here);
        const LevelModel::Outcome outcome = model.turn(next, which);
        if (outcome == LevelModel::Outcome::kWon || outcome == LevelModel::Outcome::kGoing)
            search.offer(std::move(next), index, {0, which}, commands + 1,
                         outcome == LevelModel::Outcome::kWon);
    }
    if (here.queue.empty()) return;
    const int untilEnd = model.framesLeftOfFront(here);
    for (int frames : {std::min(Solver::kWaitChunkFrames, untilEnd), untilEnd}) {
        LevelModel::State next = search.copy(here);
        if (frames > 0 && model.wait(next, frames) == LevelModel::Outcome::kGoing)
            search.offer(std::move(next), index, {frames, -1}, commands, false);
    }
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
    BestFirst search(model_.board(), solution);
    search.offer(search.copy(from), -1, {}, 0, false);
    int won = -1;
    while (!search.empty()) {
        if (search.size() > stateLimit_ || (signals && signals->stopped())) {
            solution.exhausted = true;
            break;
        }
        if (signals) signals->states.store(search.size(), std::memory_order_relaxed);
        const int index = search.take();
        if (index < 0) continue;
        if (search.node(index).won) {
            won = index;
            break;
        }
        expand(model_, search, index);
    }
    solution.statesSearched = search.size();
    if (won < 0) return solution;
    solution.winnable = true;
    solution.frames = search.node(won).state.frame;
    solution.steps = search.stepsTo(won);
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
