#include "game/solver/SearchThread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>

namespace nimbus {

namespace {

// Threads whose work has not finished, those left to finish on their own among them.
std::atomic<int> gRunning{0};

// The lowest priority a thread can take.
constexpr int kSearchNice = 19;

}  // namespace

SearchThread::~SearchThread() { abandon(); }

bool SearchThread::start(std::function<void()> work) {
    if (running()) return false;
    done_ = std::make_shared<std::atomic<bool>>(false);
    gRunning.fetch_add(1);
    thread_ = std::thread([work = std::move(work), done = done_]() mutable {
        // A search must never take a core from the frames: the game's thread and the
        // renderer's threads keep the priority the game started with, the search takes
        // the lowest (on Linux each thread has a priority of its own).
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kSearchNice);
        // The work and all it holds are freed before the thread counts as finished.
        std::function<void()>(std::move(work))();
        done->store(true, std::memory_order_release);
        done.reset();
        gRunning.fetch_sub(1);
    });
    return true;
}

bool SearchThread::finished() {
    if (!running()) return done_ && done_->load(std::memory_order_acquire);
    if (!done_->load(std::memory_order_acquire)) return false;
    thread_.join();
    return true;
}

void SearchThread::abandon() {
    if (running()) thread_.detach();
    done_.reset();
}

void SearchThread::awaitAll() {
    while (gRunning.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace nimbus
