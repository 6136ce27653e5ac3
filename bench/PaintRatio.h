#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>

// Under a software renderer every frame costs at least what covering the screen once
// costs, so the frames of the game and the scene are reported as multiples of the paint
// frame (one full-screen textured, blended quad) measured before them in the same run.
// The CPU column is the main thread's: a software renderer works out vertices there and
// fills pixels on threads of its own.
namespace nimbus::bench {

// Wall milliseconds a frame of the paint benchmark took in this run; 0 before it ran.
inline double& paintMilliseconds() {
    static double milliseconds = 0.0;
    return milliseconds;
}

inline double processMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// What a frame took: wall milliseconds, and the CPU milliseconds of all threads of the
// process, the renderer's own threads too, which unlike wall time hardly move when other
// work shares the machine.
struct FrameTimes {
    double wall = 0.0;
    double allThreads = 0.0;
};

// Runs the timed loop of `state`, one `frame` an iteration, and returns what a frame took.
template <typename Frame>
FrameTimes timeFrames(benchmark::State& state, const Frame& frame) {
    const double cpuStart = processMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) frame();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (state.iterations() == 0) return {};
    const double frames = static_cast<double>(state.iterations());
    return {elapsed.count() / frames, (processMilliseconds() - cpuStart) / frames};
}

// Reports a frame's all-threads CPU as the counter "all threads CPU ms", and puts its wall
// time beside the paint frame as the counter "x paint". Counters take memory, so this
// comes after a frame's allocations are counted.
inline void reportAgainstPaint(benchmark::State& state, const FrameTimes& times) {
    state.counters["all threads CPU ms"] = times.allThreads;
    if (paintMilliseconds() > 0.0) state.counters["x paint"] = times.wall / paintMilliseconds();
}

}  // namespace nimbus::bench
