// The cost of flat drawing: quads through the screen-space renderer and a frame of text
// in the game font, in the 1024 x 768 window under whatever GL the display offers.
#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SceneData.h"
#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "core/posix/FileInBuffer.h"
#include "game/DataLayout.h"
#include "gui/GuiNames.h"
#include "render/Core.h"
#include "render/Shader.h"
#include "render/TextureFile.h"
#include "render/Video.h"
#include "render/ViewSize.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"
#include "render/gl/OglScreenspaceRenderer.h"

using namespace nimbus;

namespace {

// One window and effect for the whole run.
struct Screen {
    Core* core = nullptr;
    ResourceManager manager;
    Screen() {
        bool started = false;
        core = openVideo(VideoMode(), started);
        setResourceManager(&manager);
        std::ifstream file(NIMBUS_SOURCE_DIR "/assets/shaders/ScreenSpace.fx");
        std::stringstream text;
        text << file.rdbuf();
        if (core) registerShader("Shaders/ScreenSpace", core->createShader(text.str().c_str()));
    }
};

Screen& screen() {
    static Screen instance;
    return instance;
}

// A texture of the data directory, owned by the caller; null when it is not there.
Texture* readTexture(const std::string& path) {
    FileInBuffer in;
    TextureHeader header;
    std::vector<uint8_t> pixels;
    if (!in.open(path) || !readTextureFile(in, header, pixels)) return nullptr;
    return screen().core->createTexture(header, pixels.data(), static_cast<int64_t>(pixels.size()));
}

// The menus' font's atlas in the built data.
std::string fontAtlas() { return std::string(NIMBUS_DATA_DIR "/") + kFontsFolder + "/Alba.texture"; }

ResourceHandle<Texture> loadTexture(const std::string& path) {
    return ResourceHandle<Texture>(readTexture(path));
}

ScreenQuad smallQuad(int i) {
    const float x = -1.3f + static_cast<float>(i % 32) * 0.08f,
                y = -0.95f + static_cast<float>(i / 32) * 0.11f;
    ScreenQuad q;
    const float corners[4][4] = {
        {x, y, 0, 1}, {x + 0.02f, y, 1, 1}, {x + 0.02f, y + 0.02f, 1, 0}, {x, y + 0.02f, 0, 0}};
    for (int c = 0; c < 4; ++c) q.corners[c] = {corners[c][0], corners[c][1], corners[c][2], corners[c][3]};
    return q;
}

// 512 small quads added and flushed per iteration; `textures` of them take turns, so 1
// makes one batch and 2 makes a batch of every quad.
void addAndFlush(benchmark::State& state) {
    Screen& s = screen();
    if (!s.core) return state.SkipWithError("no display");
    std::vector<ResourceHandle<Texture>> textures;
    for (int64_t t = 0; t < state.range(0); ++t) textures.push_back(loadTexture(fontAtlas()));
    if (!textures[0]) return state.SkipWithError("the font atlas is not built");
    OglScreenspaceRenderer renderer(*s.core, kViewMax, kViewMin);
    std::vector<ScreenQuad> quads;
    for (int i = 0; i < 512; ++i) quads.push_back(smallQuad(i));
    for (auto _ : state) {
        for (int i = 0; i < 512; ++i) renderer.addQuad(quads[i], textures[i % textures.size()], false);
        renderer.flush();
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(addAndFlush)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Adding alone, the part that scales with what the GUI draws: 512 quads into the buffer,
// then a flush that finds no effect and draws nothing.
void addOnly(benchmark::State& state) {
    Screen& s = screen();
    if (!s.core) return state.SkipWithError("no display");
    ResourceManager empty;
    setResourceManager(&empty);
    const ResourceHandle<Texture> texture = loadTexture(fontAtlas());
    OglScreenspaceRenderer renderer(*s.core, kViewMax, kViewMin);
    setResourceManager(&s.manager);
    const ScreenQuad quad = smallQuad(0);
    for (auto _ : state) {
        for (int i = 0; i < 512; ++i) renderer.addQuad(quad, texture, false);
        renderer.flush();
    }
    state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(addOnly)->Unit(benchmark::kMicrosecond);

// One frame of text: 256 glyphs laid out, drawn sharp and again as glow (512 quads),
// flushed and finished.
void textFrame(benchmark::State& state) {
    Screen& s = screen();
    if (!s.core) return state.SkipWithError("no display");
    if (!loadSceneData(*s.core, NIMBUS_DATA_DIR)) return state.SkipWithError("the data is not built");
    const ResourceHandle<BitmapFont> font = getResource<BitmapFont>(kDefaultFontResource, kFontTypeName);
    OglScreenspaceRenderer renderer(*s.core, kViewMax, kViewMin);
    const char* line = "Score 12345  Lives 3  Level 07  ";  // 32 glyphs
    const Color white(1, 1, 1, 1), glow(0.5f, 0, 1, 1);
    ScreenQuad quads[32];
    for (auto _ : state) {
        for (int row = 0; row < 8; ++row) {
            const int32_t count = layoutText(*font, quads, 32, line, 0.08f, 0.0f);
            const Vector2 anchor(-1.2f, 0.8f - static_cast<float>(row) * 0.2f);
            drawText(count, {}, anchor, quads, font->texture(), renderer, false, &white);
            drawText(count, {}, anchor, quads, font->glowTexture(), renderer, true, &glow);
        }
        renderer.flush();
        glFinish();
    }
    state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(textFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
