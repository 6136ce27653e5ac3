#include "Solver.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace nimbus {

namespace {

struct Node {
    LevelModel::State state;
    int parent;
    SolutionStep step;
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

}  // namespace

Solution Solver::solve() const {
    Solution solution;
    if (!model_.fits()) return solution;
    std::vector<Node> nodes{{model_.start(), -1, {}}};
    std::unordered_map<std::string, float> best{{keyOf(nodes[0].state), nodes[0].state.clock}};
    // 0-1 search: waits cost no command and go to the front.
    std::deque<int> open{0};
    auto offer = [&](LevelModel::State&& state, int parent, SolutionStep step, bool free) {
        auto [slot, fresh] = best.try_emplace(keyOf(state), state.clock);
        if (!fresh) {
            if (slot->second <= state.clock) return;
            slot->second = state.clock;
        }
        nodes.push_back({std::move(state), parent, step});
        const int index = static_cast<int>(nodes.size()) - 1;
        free ? open.push_front(index) : open.push_back(index);
    };
    int won = -1;
    while (!open.empty() && won < 0) {
        if (nodes.size() > kStateLimit) {
            solution.exhausted = true;
            break;
        }
        const int index = open.front();
        open.pop_front();
        const LevelModel::State here = nodes[index].state;
        if (best[keyOf(here)] < here.clock) continue;  // bettered since it was queued
        for (int which = 0; which < DieTurns::kTurnCount && won < 0; ++which) {
            LevelModel::State next = here;
            switch (model_.turn(next, which)) {
                case LevelModel::Outcome::kWon:
                    nodes.push_back({next, index, {0, which}});
                    won = static_cast<int>(nodes.size()) - 1;
                    break;
                case LevelModel::Outcome::kGoing: offer(std::move(next), index, {0, which}, false); break;
                default: break;
            }
        }
        if (won >= 0 || here.queue.empty()) continue;
        const int untilEnd = model_.framesLeftOfFront(here);
        for (int frames : {std::min(kWaitChunkFrames, untilEnd), untilEnd}) {
            LevelModel::State next = here;
            if (frames > 0 && model_.wait(next, frames) == LevelModel::Outcome::kGoing)
                offer(std::move(next), index, {frames, -1}, true);
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
    measureSlack(solution);
    return solution;
}

template <typename Delay>
bool Solver::play(const std::vector<SolutionStep>& steps, Delay delay) const {
    LevelModel::State state = model_.start();
    for (size_t i = 0; i < steps.size(); ++i) {
        if (model_.wait(state, steps[i].waitFrames + delay(i)) != LevelModel::Outcome::kGoing) return false;
        const LevelModel::Outcome outcome = model_.turn(state, steps[i].turn);
        if (outcome == LevelModel::Outcome::kWon) return true;
        if (outcome != LevelModel::Outcome::kGoing) return false;
    }
    return false;
}

bool Solver::wins(const std::vector<SolutionStep>& steps, size_t late, int lateFrames) const {
    return play(steps, [&](size_t i) { return i == late ? lateFrames : 0; });
}

int Solver::slackFrames(const std::vector<SolutionStep>& steps, size_t late) const {
    for (int frames = 1; frames <= kSlackLimitFrames; ++frames) {
        if (!wins(steps, late, frames)) return frames;
    }
    return kSlackLimitFrames + 1;
}

int Solver::paceFrames(const std::vector<SolutionStep>& steps) const {
    for (int frames = 1; frames <= kSlackLimitFrames; ++frames) {
        if (!play(steps, [frames](size_t) { return frames; })) return frames;
    }
    return kSlackLimitFrames + 1;
}

void Solver::measureSlack(Solution& solution) const {
    int tightest = kSlackLimitFrames + 1;
    for (size_t i = 0; i < solution.steps.size(); ++i) {
        const int frames = slackFrames(solution.steps, i);
        if (frames < tightest) {
            tightest = frames;
            solution.tightestStep = static_cast<int>(i);
        }
    }
    solution.slackUnlimited = tightest > kSlackLimitFrames;
    // The last delay that still wins is one frame short of the first that loses.
    solution.slack = (tightest - 1) * model_.frameStep();
    const int pace = paceFrames(solution.steps);
    solution.paceUnlimited = pace > kSlackLimitFrames;
    solution.pace = (pace - 1) * model_.frameStep();
}

std::string describeSteps(const std::vector<SolutionStep>& steps) {
    static const char* const kNames[DieTurns::kTurnCount] = {"left", "right", "up", "down", "twist0", "twist1"};
    std::string text;
    for (const SolutionStep& step : steps) {
        if (!text.empty()) text += ' ';
        if (step.waitFrames > 0) text += "wait" + std::to_string(step.waitFrames) + ' ';
        text += kNames[step.turn];
    }
    return text;
}

}  // namespace nimbus
