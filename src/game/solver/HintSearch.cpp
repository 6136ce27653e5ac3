#include "game/solver/HintSearch.h"

#include "game/rules/GameImpl.h"
#include "game/rules/TimedClockAction.h"

namespace nimbus {

namespace {

// The board's tiles without its drawing resources, whose handles count their holders
// and so must not be copied or released off the main thread.
Board tilesOf(const Board& board) {
    Board tiles(board.width(), board.length());
    for (int32_t y = 0; y < board.length(); ++y) {
        for (int32_t x = 0; x < board.width(); ++x) tiles.tileAt({x, y}) = board.tileAt({x, y});
    }
    return tiles;
}

// Updates until a turning die lands and takes the next command, at the solver's step.
int framesToLand(const GameDice& die) {
    int frames = 0;
    for (float angle = die.angle(); die.busy() && angle < 90.0f; ++frames)
        angle += GameDice::kDegreesPerSecond * kFrameSeconds;
    return frames;
}

}  // namespace

struct HintSearch::Job {
    explicit Job(const GameImpl& game)
        : board(tilesOf(*game.board())), model(board, kFrameSeconds), die(game.die().state()) {}

    Board board;
    LevelModel model;
    DiceState die;
    LevelModel::State from;
    SearchSignals signals;
    Solution solution;
};

HintSearch::HintSearch() = default;

HintSearch::~HintSearch() { reset(); }

bool HintSearch::start(const GameImpl& game) {
    if (status_ != Status::kIdle || !game.loaded()) return false;
    job_ = std::make_shared<Job>(game);
    LevelModel::State& from = job_->from;
    from.position = game.dieCell();
    from.orientation = job_->model.turns().orientationOf(game.die().state().faces);
    from.clock = game.levelClock();
    from.peakClock = from.clock;
    from.taken = job_->model.takenOn(*game.board());
    for (const auto& action : game.actions())
        from.queue.push_back({action->kind(), action->progress() * TimedClockAction::kDuration});
    if (from.orientation < 0 ||
        job_->model.wait(from, framesToLand(game.die())) != LevelModel::Outcome::kGoing) {
        status_ = Status::kNoWin;
        return true;
    }
    status_ = Status::kSearching;
    worker_.start(
        [job = job_] { job->solution = Solver(job->model, kStateLimit).search(job->from, &job->signals); });
    return true;
}

HintSearch::Status HintSearch::status() {
    if (status_ != Status::kSearching || !worker_.finished()) return status_;
    const Solution& solution = job_->solution;
    if (solution.winnable)
        status_ = Status::kFound;
    else
        status_ = solution.exhausted ? Status::kGaveUp : Status::kNoWin;
    return status_;
}

const Solution& HintSearch::solution() const { return job_->solution; }

const DiceState& HintSearch::from() const { return job_->die; }

void HintSearch::reset() {
    // A search told to stop still frees what it built, which may take a while: it is
    // left to finish on its own with its share of the job.
    if (worker_.running()) job_->signals.stop.store(true, std::memory_order_relaxed);
    worker_.abandon();
    job_.reset();
    status_ = Status::kIdle;
}

}  // namespace nimbus
