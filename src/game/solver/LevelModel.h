#pragma once

#include <cstdint>
#include <memory_resource>
#include <vector>

#include "game/rules/Board.h"
#include "game/solver/DieTurns.h"

namespace nimbus {

// The game's update step, which the solver's timing follows.
constexpr float kFrameSeconds = 1.0f / 60.0f;

// The rules of a level as far as winning goes, frame by frame at a fixed step: the
// board and die are the game's own (the board's colours, matching and falling, the
// die's turns through DieTurns); what the model keeps itself is the level clock and the
// queue of clock-bending pick-ups, and a test holds these to the game's rules object.
// Each frame first hands the command (if any) over, then advances the clock, tests the
// goal and then the crumbled tile under the die, as the game does.
class LevelModel {
public:
    static constexpr int kMaxClockPickups = 64;

    // A running stop-time or reverse-time effect.
    struct Effect {
        int32_t kind;
        float elapsed;
        bool operator==(const Effect& o) const { return kind == o.kind && elapsed == o.elapsed; }
    };

    // Everything the future of a level depends on while the die stands still.
    struct State {
        State() = default;
        // An empty state whose queue is kept in `memory`; assigning another state to it
        // keeps it there.
        explicit State(std::pmr::memory_resource* memory) : queue(memory) {}

        Position position;
        int orientation = DieTurns::kStart;
        float clock = 0.0f;
        // The highest clock at which the next roll may already be handed in: a player who
        // keys ahead hands it in while the die is still turning, and a roll refused then
        // is spent, so it has to be allowed at each of those frames.
        float peakClock = 0.0f;
        uint64_t taken = 0;  // clock-bending pick-ups collected, by their index
        // A search keeps its states' queues in its own memory, not a state at a time in the
        // allocator the frames share.
        std::pmr::vector<Effect> queue;
        int frame = 0;  // frames since the start
    };

    enum class Outcome { kRefused, kGoing, kWon, kDied };

    // The board must outlive the model; at most kMaxClockPickups stop or reverse
    // pick-ups are told apart (checked by `fits`).
    LevelModel(const Board& board, float frame);

    bool fits() const { return clockPickups_.size() <= kMaxClockPickups; }
    const Board& board() const { return board_; }
    const DieTurns& turns() const { return turns_; }
    float frameStep() const { return frame_; }
    // The die on the start tile, or (1, 1) without one, at clock 0.
    State start() const;
    // The `taken` mask of a board in play of this level: the clock-bending pick-ups
    // gone from it.
    uint64_t takenOn(const Board& inPlay) const;

    // Hands turn 0-5 (DieTurns numbering) to the idle die at the start of a frame and
    // runs until the die takes commands again, the level is won or the die is lost. A
    // roll the game would refuse changes nothing and returns kRefused.
    Outcome turn(State& state, int which) const;
    // Runs `frames` frames with the die standing still; the next command is handed in
    // only after them.
    Outcome wait(State& state, int frames) const;
    // Frames until the front effect of the queue ends (0 for an empty queue).
    int framesLeftOfFront(const State& state) const;

private:
    Outcome advance(State& state) const;

    const Board& board_;
    float frame_;
    DieTurns turns_;
    std::vector<Position> clockPickups_;
};

}  // namespace nimbus
