// The whole game at 1024 x 768 on the shipped data: the time from start to the first
// presented frame, a steady front-end frame, a steady frame of the Levels screen (a page
// of twelve plans, one of them lit) and a steady playing frame on level 20, each
// beside two floors measured in the same run through the game's own window and renderer:
// a bare frame (clear and present) and a paint frame (also one full-screen textured,
// blended quad, what filling the screen costs under a software renderer). The bare frame
// is measured a second time paced as the game's loop paces it, which is what the loop
// allows where presenting does not wait for the display. Steady frames report the heap
// allocations of a frame, which must be none. The playing frame is measured a second
// time with a hint search always running on its worker thread (started again as soon as
// one ends), which the frame must not wait for; its allocation count holds the worker's.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "PaintRatio.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/memory/MemoryManager.h"
#include "core/posix/SystemTimeSource.h"
#include "game/Application.h"
#include "game/FramePacer.h"
#include "game/GameStateInfo.h"
#include "game/solver/HintSearch.h"
#include "game/states/GenericState.h"
#include "game/states/PlayingState.h"
#include "gui/EditableGui.h"
#include "gui/GuiNames.h"
#include "gui/windows/Quads.h"
#include "render/Core.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Video.h"
#include "render/ViewSize.h"

using namespace nimbus;

namespace {

constexpr float kStep = 1.0f / 60.0f;
constexpr int kLevel20 = 19;
constexpr const char* kPlaySignal = "play";
constexpr const char* kLevelsSignal = "levels";

// The game started once for the steady frames; the start-up measure makes its own.
std::unique_ptr<Application>& game() {
    static std::unique_ptr<Application> application;
    return application;
}

Application* startedGame() {
    if (!game()) {
        game() = std::make_unique<Application>(false, NIMBUS_DATA_DIR);
        // No demo takes over the front end, however long the measures run.
        game()->setDemoAfter(1e9f);
        if (!game()->startUp()) game().reset();
    }
    return game().get();
}

unsigned allocations() { return MemoryManager::instance().tracker().counter(); }

// Runs `frame` as the measured step after `settle` frames, counts what a frame
// allocates, and puts it beside the paint frame.
void measureFrames(benchmark::State& state, const std::function<void()>& frame, int settle,
                   bool paint = false) {
    for (int i = 0; i < settle; ++i) frame();
    [[maybe_unused]] const unsigned before = allocations();
    const bench::FrameTimes times = bench::timeFrames(state, frame);
#ifdef NIMBUS_TRACKING
    // Only where the tracking manager replaces the allocation operators does it count.
    state.counters["allocations/frame"] =
        static_cast<double>(allocations() - before) / static_cast<double>(state.iterations());
#endif
    if (paint) bench::paintMilliseconds() = times.wall;
    bench::reportAgainstPaint(state, times);
}

void startToFirstFrame(benchmark::State& state) {
    game().reset();
    for (auto _ : state) {
        auto application = std::make_unique<Application>(false, NIMBUS_DATA_DIR);
        if (!application->startUp()) return state.SkipWithError("the game does not start");
        application->frame(0.0f);
        state.PauseTiming();
        application.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(startToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void clearAndPresent() {
    core()->clear(Color(0, 0, 0, 1));
    core()->present();
}

void bareFrame(benchmark::State& state) {
    if (!startedGame()) return state.SkipWithError("the game does not start");
    measureFrames(state, clearAndPresent, 1);
}
BENCHMARK(bareFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void pacedBareFrame(benchmark::State& state) {
    if (!startedGame()) return state.SkipWithError("the game does not start");
    SystemTimeSource clock;
    FramePacer pacer(clock, displayRate());
    measureFrames(
        state,
        [&] {
            clearAndPresent();
            pacer.wait();
        },
        1);
    state.counters["display Hz (0: unknown)"] = displayRate();
}
BENCHMARK(pacedBareFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void paintFrame(benchmark::State& state) {
    Application* application = startedGame();
    if (!application) return state.SkipWithError("the game does not start");
    ScreenspaceRenderer& renderer = *application->stateInfo()->screenRenderer;
    const ResourceHandle<Texture> texture = getResource<Texture>("Textures/backdrop", "Texture");
    const ScreenQuad quad = rectangleQuad(kViewMin, kViewMax, kViewMin, kViewMax, Color(1, 1, 1, 1));
    measureFrames(
        state,
        [&] {
            core()->clear(Color(0, 0, 0, 1));
            renderer.addQuad(quad, texture, false);
            renderer.flush();
            core()->present();
        },
        1, true);
}
BENCHMARK(paintFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void frontEndFrame(benchmark::State& state) {
    Application* application = startedGame();
    if (!application) return state.SkipWithError("the game does not start");
    // A second of frames lets the menus settle first.
    measureFrames(
        state, [&] { application->frame(kStep); }, 60);
    if (std::string(application->state()->name()) != "FrontendState")
        state.SkipWithError("left the front end");
}
BENCHMARK(frontEndFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void levelsScreenFrame(benchmark::State& state) {
    Application* application = startedGame();
    if (!application) return state.SkipWithError("the game does not start");
    // What the front end's Levels button does; three seconds let the screens swap.
    application->gui()->pushSignal(kLevelsSignal);
    measureFrames(
        state, [&] { application->frame(kStep); }, 180);
    if (std::string(application->state()->name()) != "LevelsState")
        state.SkipWithError("not on the Levels screen");
    // Back to the front end for the level that follows.
    application->gui()->pushSignal(kSignalLevelsBack);
    for (int i = 0; i < 180; ++i) application->frame(kStep);
}
BENCHMARK(levelsScreenFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void playingFrameLevel20(benchmark::State& state) {
    Application* application = startedGame();
    if (!application) return state.SkipWithError("the game does not start");
    if (static_cast<int>(application->levelNames().size()) <= kLevel20)
        return state.SkipWithError("no level 20");
    application->stateInfo()->levelIndex = kLevel20;
    // What the front end's Play button does: the menus slide away, then the level comes.
    application->gui()->pushSignal(kPlaySignal);
    // Five seconds of frames let the menus slide away and the game view in.
    measureFrames(
        state, [&] { application->frame(kStep); }, 300);
    if (std::string(application->state()->name()) != "PlayingState") state.SkipWithError("left the level");
}
// The level's clock runs on from measure to measure: a fixed count of frames runs each
// once, so that both see the board of the same few seconds of play. Repeated until a
// minimum time was filled, each repetition settling five seconds more, they reached the
// die's tile falling, 22 seconds in, and a restart is no steady frame.
constexpr int kPlayingFrames = 90;
BENCHMARK(playingFrameLevel20)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kPlayingFrames);

void playingFrameLevel20WithHintSearch(benchmark::State& state) {
    Application* application = startedGame();
    if (!application) return state.SkipWithError("the game does not start");
    auto* playing = dynamic_cast<PlayingState*>(application->state());
    if (!playing) return state.SkipWithError("not playing; run after playingFrameLevel20");
    HintSearch& hint = playing->hint();
    // The die is left standing and loses a life whenever its tile falls; the game must
    // not end under the measure.
    int32_t& lives = application->stateInfo()->stats->lives;
    double searching = 0.0;
    measureFrames(
        state,
        [&] {
            lives = 3;
            application->frame(kStep);
            if (hint.status() == HintSearch::Status::kSearching) {
                searching += 1.0;
                return;
            }
            hint.reset();
            hint.start(*playing->game());
        },
        1);
    state.counters["frames searching"] = searching / static_cast<double>(state.iterations());
}
BENCHMARK(playingFrameLevel20WithHintSearch)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kPlayingFrames);

}  // namespace
