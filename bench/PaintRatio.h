#pragma once

#include <benchmark/benchmark.h>

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

// Runs the timed loop of `state`, one `frame` an iteration, and returns the wall
// milliseconds a frame took.
template <typename Frame>
double timeFrames(benchmark::State& state, const Frame& frame) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) frame();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return state.iterations() > 0 ? elapsed.count() / static_cast<double>(state.iterations()) : 0.0;
}

// Puts a frame of `milliseconds` beside the paint frame as the counter "x paint".
inline void reportAgainstPaint(benchmark::State& state, double milliseconds) {
    if (paintMilliseconds() > 0.0) state.counters["x paint"] = milliseconds / paintMilliseconds();
}

}  // namespace nimbus::bench
