#include "game/solver/LevelModel.h"

#include <algorithm>
#include <limits>

#include "game/rules/TimedClockAction.h"

namespace nimbus {

LevelModel::LevelModel(const Board& board, float frame) : board_(board), frame_(frame), turns_(frame) {
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) {
            const Position p(x, y);
            if (pickupKindInfo(board.tileAt(p).pickup).bendsClock()) clockPickups_.push_back(p);
        }
    }
}

LevelModel::State LevelModel::start() const {
    State state;
    if (!board_.findStart(state.position)) state.position = Position(1, 1);
    return state;
}

uint64_t LevelModel::takenOn(const Board& inPlay) const {
    uint64_t taken = 0;
    for (size_t i = 0; i < clockPickups_.size() && i < kMaxClockPickups; ++i) {
        if (inPlay.tileAt(clockPickups_[i]).pickup == kPickupNone) taken |= uint64_t{1} << i;
    }
    return taken;
}

LevelModel::Outcome LevelModel::advance(State& state) const {
    float step = frame_;
    if (!state.queue.empty()) {
        Effect& front = state.queue.front();
        front.elapsed += frame_;
        step = pickupKindInfo(front.kind).clockRate * frame_;
        if (front.elapsed / TimedClockAction::kDuration >= 1.0f) state.queue.erase(state.queue.begin());
    }
    state.clock += step;
    ++state.frame;
    if (board_.tileAt(state.position).color == kGoal) return Outcome::kWon;
    if (board_.isFallen(state.position, state.clock)) return Outcome::kDied;
    return Outcome::kGoing;
}

LevelModel::Outcome LevelModel::turn(State& state, int which) const {
    if (which < 4) {
        const Position target = state.position.stepped(which);
        if (!board_.contains(target)) return Outcome::kRefused;
        const Tile& tile = board_.tileAt(target);
        if (!colorsMatch(tile.color, turns_.faces(state.orientation)[which])) return Outcome::kRefused;
        if (board_.isFallen(target, std::max(state.clock, state.peakClock))) return Outcome::kRefused;
        state.position = target;
        if (pickupKindInfo(tile.pickup).bendsClock()) {
            const size_t index =
                std::find(clockPickups_.begin(), clockPickups_.end(), target) - clockPickups_.begin();
            const uint64_t bit = index < kMaxClockPickups ? uint64_t{1} << index : 0;
            if (!(state.taken & bit)) {
                state.taken |= bit;
                state.queue.push_back({tile.pickup, 0.0f});
            }
        }
    }
    state.orientation = turns_.after(state.orientation, which);
    state.peakClock = std::numeric_limits<float>::lowest();
    for (int i = 0; i < turns_.busyFrames(); ++i) {
        Outcome outcome = advance(state);
        if (outcome != Outcome::kGoing) return outcome;
        state.peakClock = std::max(state.peakClock, state.clock);
    }
    return Outcome::kGoing;
}

LevelModel::Outcome LevelModel::wait(State& state, int frames) const {
    for (int i = 0; i < frames; ++i) {
        Outcome outcome = advance(state);
        if (outcome != Outcome::kGoing) return outcome;
    }
    if (frames > 0) state.peakClock = state.clock;
    return Outcome::kGoing;
}

int LevelModel::framesLeftOfFront(const State& state) const {
    if (state.queue.empty()) return 0;
    // Counted as `advance` runs the effect, a frame's step at a time.
    float elapsed = state.queue.front().elapsed;
    int frames = 0;
    do {
        elapsed += frame_;
        ++frames;
    } while (elapsed / TimedClockAction::kDuration < 1.0f);
    return frames;
}

}  // namespace nimbus
