// The game's resident memory beside a bare GL program's, in the same run under the same
// renderer: the bare program (bare_gl.cpp, started as a child), then the game on its
// front end after two seconds of frames, then the game five seconds into level 20.
// Each reports its resident and anonymous MiB, the game's also what it holds above the
// bare program, its tracked heap (live bytes and blocks, where the tracking manager is
// linked) and what the C library's allocator has handed out in all.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <memory>
#include <string>

#include "Resident.h"
#include "core/memory/MemoryManager.h"
#include "game/Application.h"
#include "game/GameStateInfo.h"
#include "game/states/GenericState.h"
#include "gui/EditableGui.h"

using namespace nimbus;

namespace {

constexpr float kStep = 1.0f / 60.0f;
constexpr int kLevel20 = 19;
constexpr double kKibibytesPerMebibyte = 1024.0;

double bareResidentMebibytes = 0.0;

std::unique_ptr<Application>& game() {
    static std::unique_ptr<Application> application;
    return application;
}

void reportResident(benchmark::State& state, double residentKibibytes, double anonymousKibibytes) {
    const double resident = residentKibibytes / kKibibytesPerMebibyte;
    state.counters["resident MiB"] = resident;
    state.counters["anonymous MiB"] = anonymousKibibytes / kKibibytesPerMebibyte;
    if (bareResidentMebibytes > 0.0) state.counters["over bare MiB"] = resident - bareResidentMebibytes;
}

void reportGame(benchmark::State& state) {
    reportResident(state, static_cast<double>(bench::residentKibibytes()),
                   static_cast<double>(bench::anonymousKibibytes()));
    const struct mallinfo2 heap = mallinfo2();
    state.counters["malloc in use MiB"] =
        static_cast<double>(heap.uordblks + heap.hblkhd) / (kKibibytesPerMebibyte * kKibibytesPerMebibyte);
#ifdef NIMBUS_TRACKING
    const MemoryTracker& tracker = MemoryManager::instance().tracker();
    state.counters["tracked MiB"] =
        static_cast<double>(tracker.liveBytes()) / (kKibibytesPerMebibyte * kKibibytesPerMebibyte);
    state.counters["tracked blocks"] = static_cast<double>(tracker.liveBlocks());
#endif
}

void bareGlProgram(benchmark::State& state) {
    for (auto _ : state) {
        std::FILE* child = popen(NIMBUS_BARE_GL, "r");
        if (!child) return state.SkipWithError("the bare program does not start");
        long resident = -1, anonymous = -1;
        const int read = std::fscanf(child, "resident KiB %ld anonymous KiB %ld", &resident, &anonymous);
        if (pclose(child) != 0 || read != 2) return state.SkipWithError("the bare program failed");
        bareResidentMebibytes = static_cast<double>(resident) / kKibibytesPerMebibyte;
        reportResident(state, static_cast<double>(resident), static_cast<double>(anonymous));
    }
}
BENCHMARK(bareGlProgram)->Iterations(1);

void gameOnMenu(benchmark::State& state) {
    for (auto _ : state) {
        game() = std::make_unique<Application>(false, NIMBUS_DATA_DIR);
        game()->setDemoAfter(1e9f);
        if (!game()->startUp()) return state.SkipWithError("the game does not start");
        for (int i = 0; i < 120; ++i) game()->frame(kStep);
    }
    reportGame(state);
}
BENCHMARK(gameOnMenu)->Iterations(1);

void gameInPlayLevel20(benchmark::State& state) {
    Application* application = game().get();
    if (!application) return state.SkipWithError("run after gameOnMenu");
    for (auto _ : state) {
        application->stateInfo()->levelIndex = kLevel20;
        application->gui()->pushSignal("play");
        for (int i = 0; i < 300; ++i) application->frame(kStep);
    }
    if (std::string(application->state()->name()) != "PlayingState") state.SkipWithError("not playing");
    reportGame(state);
}
BENCHMARK(gameInPlayLevel20)->Iterations(1);

}  // namespace
