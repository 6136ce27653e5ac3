// The cost of a game frame and of the menu backdrop at 1024 x 768, each beside two
// floors measured in the same run: a bare frame (clear and present) and a paint frame
// (also one full-screen textured, blended quad, which under a software renderer is what
// filling the screen costs). With the tracking manager linked, each reports the heap
// allocations of a frame, which must be none once the scene is steady.
#include <benchmark/benchmark.h>

#include <functional>

#include "LevelPlayback.h"
#include "PaintRatio.h"
#include "SceneData.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/memory/MemoryManager.h"
#include "game/scene/ColorSymbols.h"
#include "game/scene/GameScene.h"
#include "game/windows/BackgroundWindow.h"
#include "gui/Gui.h"
#include "gui/windows/Quads.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"

using namespace nimbus;

namespace {

// One window with the scene's data for the whole run.
struct Screen {
    Core* core = nullptr;
    ResourceManager manager;
    bool loaded = false;
    Screen() {
        VideoMode mode;
        mode.verticalSync = false;
        bool started = false;
        core = openVideo(mode, started);
        setResourceManager(&manager);
        setCore(core);
        loaded = core && loadSceneData(*core, NIMBUS_DATA_DIR);
    }
};

Screen& screen() {
    static Screen instance;
    return instance;
}

// Runs frames of clear, draw and present, counts what a frame allocates, and puts a
// frame beside the paint frame.
void runFrames(benchmark::State& state, const std::function<void(OglScreenspaceRenderer&)>& draw,
               bool paint = false) {
    Screen& s = screen();
    if (!s.loaded) return state.SkipWithError("no display or no data");
    OglScreenspaceRenderer renderer(*s.core, kViewMax, kViewMin);
    const auto frame = [&] {
        s.core->clear(Color(0, 0, 0, 1));
        draw(renderer);
        renderer.flush();
        s.core->present();
    };
    frame();  // the first frame settles lazily made state
    [[maybe_unused]] const unsigned before = MemoryManager::instance().tracker().counter();
    const bench::FrameTimes times = bench::timeFrames(state, frame);
#ifdef NIMBUS_TRACKING
    state.counters["allocations/frame"] =
        static_cast<double>(MemoryManager::instance().tracker().counter() - before) /
        static_cast<double>(state.iterations());
#endif
    if (paint) bench::paintMilliseconds() = times.wall;
    bench::reportAgainstPaint(state, times);
}

void bareFrame(benchmark::State& state) {
    runFrames(state, [](OglScreenspaceRenderer&) {});
}
BENCHMARK(bareFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void paintFrame(benchmark::State& state) {
    const ResourceHandle<Texture> texture = getResource<Texture>("Textures/backdrop", "Texture");
    const ScreenQuad quad = rectangleQuad(kViewMin, kViewMax, kViewMin, kViewMax, Color(1, 1, 1, 1));
    runFrames(
        state, [&](OglScreenspaceRenderer& renderer) { renderer.addQuad(quad, texture, false); }, true);
}
BENCHMARK(paintFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

// A game frame as the playing state draws it into a full-screen game window, `seconds`
// into the level's shortest solution.
void gameFrame(benchmark::State& state, const char* level, float seconds) {
    if (!screen().loaded) return state.SkipWithError("no display or no data");
    LevelPlayback playback;
    if (!playback.start(std::string(NIMBUS_SOURCE_DIR "/assets/levels/") + level + ".level")) {
        return state.SkipWithError("the level does not load");
    }
    playback.play(seconds);
    runFrames(state, [&](OglScreenspaceRenderer& renderer) {
        Camera camera = makeStandardCamera();
        drawGame(playback.game(), kViewMin, kViewMax, camera, renderer);
    });
}
void level01AtStart(benchmark::State& state) { gameFrame(state, "01", 0.0f); }
BENCHMARK(level01AtStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
void level20Playing(benchmark::State& state) { gameFrame(state, "20", 4.0f); }
BENCHMARK(level20Playing)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
void level20PlayingWithSymbols(benchmark::State& state) {
    const bool shown = showColorSymbols(true);
    gameFrame(state, "20", 4.0f);
    showColorSymbols(shown);
}
BENCHMARK(level20PlayingWithSymbols)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void menuBackground(benchmark::State& state) {
    WindowAttributes attributes;
    attributes.size = kViewMax - kViewMin;
    attributes.visible = true;
    BackgroundWindow window(attributes);
    Gui gui(kViewWidth, kViewHeight);
    const Camera camera = makeStandardCamera();
    runFrames(state, [&](OglScreenspaceRenderer& renderer) {
        window.draw(camera, renderer, kViewAspect, Vector2(), gui);
    });
}
BENCHMARK(menuBackground)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

}  // namespace
