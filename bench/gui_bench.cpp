// The cost of a GUI frame: update and draw of a forty-window menu, next to the bare cost of
// flushing the same quads through the screen-space renderer, in the 1024 x 768 window. With
// the tracking allocator linked, each frame also reports how many blocks it allocated.
#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/ResourceManager.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "gui/Gui.h"
#include "gui/actions/ActionFactory.h"
#include "gui/actions/StandardActions.h"
#include "gui/windows/StandardWindows.h"
#include "gui/windows/WindowFactory.h"
#include "render/Camera.h"
#include "render/Core.h"
#include "render/Shader.h"
#include "render/TextureFile.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/gl/OglScreenspaceRenderer.h"
#ifdef NIMBUS_TRACKING
#include "core/memory/MemoryManager.h"
#endif

using namespace nimbus;

namespace {

// The window, the effect, the game's textures and a loaded forty-window GUI, for the run.
struct Menu {
    Core* core = nullptr;
    ResourceManager manager;
    WindowFactory windows;
    ActionFactory actions;
    Gui gui{kViewWidth, kViewHeight};
    bool loaded = false;

    Menu() {
        bool started = false;
        core = openVideo(VideoMode(), started);
        if (!core) return;
        setResourceManager(&manager);
        setWindowFactory(&windows);
        setActionFactory(&actions);
        registerStandardWindows(windows);
        registerStandardActions(actions);
        std::ifstream effect(NIMBUS_SOURCE_DIR "/assets/shaders/ScreenSpace.fx");
        std::stringstream text;
        text << effect.rdbuf();
        registerShader("Shaders/ScreenSpace", core->createShader(text.str().c_str()));
        const std::pair<const char*, const char*> textures[] = {{kFontsFolder, "Alba"},
                                                                {kFontsFolder, "Alba_glow"},
                                                                {kFrontendFolder, "circle"},
                                                                {kFrontendFolder, "panel"}};
        for (const auto& [folder, stem] : textures) {
            FileInBuffer in;
            TextureHeader header;
            std::vector<uint8_t> pixels;
            if (!in.open(std::string(NIMBUS_DATA_DIR "/") + folder + "/" + stem + ".texture") ||
                !readTextureFile(in, header, pixels))
                return;
            const std::string name = std::string("Textures/") + stem;
            registerTexture(name.c_str(), core->createTexture(header, pixels.data(), int64_t(pixels.size())));
        }
        const std::string fileName = "/tmp/nimbus-gui-bench.xml";
        std::ofstream(fileName) << document();
        loaded = gui.load(fileName.c_str());
        std::remove(fileName.c_str());
        gui.setProperty("score", "12345");
        gui.onMouseMove(512, 384);  // over every button
    }

    // Ten buttons stacked under the pointer at the centre, ten texts, ten property texts,
    // five panes and five rounded panes: 490 quads a frame.
    static std::string document() {
        std::string text = R"(<gui><fonts><font name="Alba" texture="Textures/Alba" info=")" NIMBUS_DATA_DIR
                           "/" +
                           std::string(kFontDescription) + R"("/></fonts><windows>)";
        char line[1024];
        for (int i = 0; i < 5; ++i) {
            std::snprintf(
                line, sizeof line,
                R"(<window class="pane" texture="Textures/panel" x="%f" y="0.8" w="0.4" h="0.3" show="true"/>)"
                R"(<window class="rounded_pane" radius="0.05" x="%f" y="-0.8" w="0.4" h="0.3" show="true"/>)",
                -1.0 + 0.5 * i, -1.0 + 0.5 * i);
            text += line;
        }
        for (int i = 0; i < 10; ++i) {
            std::snprintf(
                line, sizeof line,
                R"(<window class="button" action="b%d" caption="Start game" x="0" y="0" w="0.8" h="0.2" show="true"/>)"
                R"(<window class="text" message="Options" x="-0.9" y="%f" w="0.5" h="0.08" show="true"/>)"
                R"(<window class="property_text" property="score" x="0.9" y="%f" w="0.5" h="0.08" show="true"/>)",
                i, 0.6 - 0.12 * i, 0.6 - 0.12 * i);
            text += line;
        }
        return text + "</windows></gui>";
    }
};

Menu& menu() {
    static Menu instance;
    return instance;
}

unsigned allocations() {
#ifdef NIMBUS_TRACKING
    return MemoryManager::instance().tracker().counter();
#else
    return 0;
#endif
}

// A renderer that keeps the quads it is given, to replay them in the baseline.
class Capture : public ScreenspaceRenderer {
public:
    struct Added {
        ScreenQuad quad;
        ResourceHandle<Texture> texture;
        bool glow;
    };
    void pushClipRect(const Vector2&, const Vector2&) override {}
    void popClipRect() override {}
    void addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, bool glow) override {
        added.push_back({quad, texture, glow});
    }
    void addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>& texture) override {
        addQuad(quad, texture, false);
    }
    void flush() override {}
    std::vector<Added> added;
};

// A renderer over the game's window; `drawing` false builds it without its effect, so
// that its flushes draw nothing and only the work on the processor is measured.
std::unique_ptr<OglScreenspaceRenderer> makeRenderer(Menu& m, bool drawing) {
    ResourceManager empty;
    if (!drawing) setResourceManager(&empty);
    auto renderer = std::make_unique<OglScreenspaceRenderer>(*m.core, kViewMax, kViewMin);
    setResourceManager(&m.manager);
    return renderer;
}

// One frame of the menu: the windows' update (the buttons hovered), then drawing, flushed
// and finished; with the argument 0 nothing reaches the screen.
void guiFrame(benchmark::State& state) {
    Menu& m = menu();
    if (!m.loaded) return state.SkipWithError("no display or the data is not built");
    const std::unique_ptr<OglScreenspaceRenderer> owned = makeRenderer(m, state.range(0) != 0);
    OglScreenspaceRenderer& renderer = *owned;
    const Camera camera = makeStandardCamera();
    for (int warm = 0; warm < 3; ++warm) {
        m.gui.update(0.016f, nullptr, 0);
        m.gui.draw(camera, renderer);
    }
    const unsigned before = allocations();
    for (auto _ : state) {
        m.gui.update(0.016f, nullptr, 0);
        m.gui.draw(camera, renderer);
        glFinish();
    }
    state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(allocations() - before) /
                                                        static_cast<double>(state.iterations()));
}
BENCHMARK(guiFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The baseline: the same quads added straight to the renderer, flushed and finished.
void bareFlush(benchmark::State& state) {
    Menu& m = menu();
    if (!m.loaded) return state.SkipWithError("no display or the data is not built");
    Capture capture;
    m.gui.draw(makeStandardCamera(), capture);
    const std::unique_ptr<OglScreenspaceRenderer> owned = makeRenderer(m, state.range(0) != 0);
    OglScreenspaceRenderer& renderer = *owned;
    for (auto _ : state) {
        for (const Capture::Added& a : capture.added) renderer.addQuad(a.quad, a.texture, a.glow);
        renderer.flush();
        glFinish();
    }
    state.counters["quads"] = static_cast<double>(capture.added.size());
}
BENCHMARK(bareFlush)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
