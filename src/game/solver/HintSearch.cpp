#include "game/solver/HintSearch.h"

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>

#include "game/rules/GameImpl.h"
#include "game/rules/TimedClockAction.h"

namespace nimbus {

namespace {

// Workers still running, those left to finish on their own among them.
std::atomic<int> gWorkers{0};

// The lowest priority a thread can take.
constexpr int kSearchNice = 19;

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
    std::atomic<bool> stop{false};
    std::atomic<bool> done{false};
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
    gWorkers.fetch_add(1);
    worker_ = std::thread([job = job_] {
        // The search must never take a core from the frames: the game's thread and the
        // renderer's threads keep the priority the game started with, the search takes
        // the lowest (on Linux each thread has a priority of its own).
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kSearchNice);
        job->solution = Solver(job->model, kStateLimit).search(job->from, &job->stop);
        job->done.store(true, std::memory_order_release);
        gWorkers.fetch_sub(1);
    });
    return true;
}

HintSearch::Status HintSearch::status() {
    if (status_ != Status::kSearching || !job_->done.load(std::memory_order_acquire)) return status_;
    worker_.join();
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
    if (worker_.joinable()) {
        job_->stop.store(true, std::memory_order_relaxed);
        worker_.detach();
    }
    job_.reset();
    status_ = Status::kIdle;
}

void HintSearch::awaitWorkers() {
    while (gWorkers.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace nimbus
