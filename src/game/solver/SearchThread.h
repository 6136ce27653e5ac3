#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace nimbus {

// A worker thread that no frame waits for: it runs its work once, is looked at without
// waiting, and when its work is no longer wanted it is left to finish on its own (the
// work should stop soon once told to, through whatever it shares with its starter). The
// program waits for every such thread before it ends, so that none outlives the memory
// manager.
class SearchThread {
public:
    SearchThread() = default;
    // Leaves a thread still running to finish on its own.
    ~SearchThread();
    SearchThread(const SearchThread&) = delete;
    SearchThread& operator=(const SearchThread&) = delete;

    // Runs the work on a new thread; false, doing nothing, while a thread is running.
    bool start(std::function<void()> work);
    // Whether a thread was started and has not been found finished yet.
    bool running() const { return thread_.joinable(); }
    // Whether the work has finished; the thread is joined the first time it has.
    bool finished();
    // Leaves a running thread to finish on its own; the next start may follow at once.
    void abandon();
    // Waits until every thread started has finished; called before the program ends.
    static void awaitAll();

private:
    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> done_;
};

}  // namespace nimbus
