#include "game/solver/SearchThread.h"

#include <chrono>

namespace nimbus {

namespace {

// Threads whose work has not finished, those left to finish on their own among them.
std::atomic<int> gRunning{0};

}  // namespace

SearchThread::~SearchThread() { abandon(); }

bool SearchThread::start(std::function<void()> work) {
    if (running()) return false;
    done_ = std::make_shared<std::atomic<bool>>(false);
    gRunning.fetch_add(1);
    thread_ = std::thread([work = std::move(work), done = done_]() mutable {
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
