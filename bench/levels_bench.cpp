// How long the level compiler's solver searches each shipped level (the slack and pace
// measured after it replay the solution many times more), and what one turn of
// its model costs. The build solves every level, so this is build time. And the worst
// proof of a player's level: the largest board the reader takes, open, with as many
// clock pick-ups as it allows and a goal that cannot be reached in time, so the search
// runs to its state limit; its time, and the memory it takes (the peak of the process).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>

#include "game/level/LevelCompiler.h"
#include "game/level/LevelProof.h"
#include "support/WorstLevel.h"

namespace nimbus {
namespace {

void solveLevelSource(benchmark::State& state, const std::string& path) {
    LevelSource level;
    if (!LevelSourceParser::read(path, level)) {
        state.SkipWithError("the level does not parse");
        return;
    }
    const LevelModel model(level.board, kFrameSeconds);
    size_t states = 0;
    for (auto _ : state) {
        const Solution solution = Solver(model).search();
        states = solution.statesSearched;
        benchmark::DoNotOptimize(states);
    }
    state.counters["states"] = static_cast<double>(states);
    state.SetLabel("search only");
    state.counters["states/s"] =
        benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsIterationInvariantRate);
}

void turnOnOpenBoard(benchmark::State& state) {
    Board board(16, 16);
    for (int32_t y = 1; y < 15; ++y) {
        for (int32_t x = 1; x < 15; ++x) board.tileAt(Position(x, y)).color = kWhite;
    }
    const LevelModel model(board, kFrameSeconds);
    LevelModel::State start = model.start();
    start.position = Position(7, 7);
    for (auto _ : state) {
        LevelModel::State next = start;
        // A roll and the 27 frames it keeps the die busy.
        benchmark::DoNotOptimize(model.turn(next, 1));
    }
}
BENCHMARK(turnOnOpenBoard);

void proveWorstOpenLevel(benchmark::State& state) {
    const std::string text = worstOpenLevel();
    LevelProof proof;
    for (auto _ : state) {
        proof = proveLevel(text, "worst.level", nullptr);
        benchmark::DoNotOptimize(proof);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["states"] = static_cast<double>(proof.states);
    state.counters["peak bytes"] = static_cast<double>(usage.ru_maxrss) * 1024.0;
    state.SetLabel(proof.summary());
}
BENCHMARK(proveWorstOpenLevel)->Unit(benchmark::kSecond)->Iterations(1);

const bool kRegistered = [] {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_SOURCE_DIR "/assets/levels")) {
        if (entry.path().extension() == ".level") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    for (const auto& path : sources) {
        benchmark::RegisterBenchmark(("solve/" + path.stem().string()).c_str(), solveLevelSource,
                                     path.string())
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
}  // namespace nimbus
