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

// Runs the timed loop of `state`, one `frame` an iteration, and returns the wall
// milliseconds a frame took. The counter "all threads CPU ms" holds what a frame cost the
// whole process, the renderer's own threads too: unlike wall time it hardly moves when
// other work shares the machine.
template <typename Frame>
double timeFrames(benchmark::State& state, const Frame& frame) {
    const double cpuStart = processMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) frame();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    if (state.iterations() == 0) return 0.0;
    const double frames = static_cast<double>(state.iterations());
    state.counters["all threads CPU ms"] = (processMilliseconds() - cpuStart) / frames;
    return elapsed.count() / frames;
}

// Puts a frame of `milliseconds` beside the paint frame as the counter "x paint".
inline void reportAgainstPaint(benchmark::State& state, double milliseconds) {
    if (paintMilliseconds() > 0.0) state.counters["x paint"] = milliseconds / paintMilliseconds();
}

}  // namespace nimbus::bench
