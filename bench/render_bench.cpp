#include <GL/glew.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/math/Color.h"
#include "core/math/Matrix44.h"
#include "core/math/Vector4.h"
#include "render/Core.h"
#include "render/IndexBuffer.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"
#include "render/Shader.h"
#include "render/VertexBuffer.h"
#include "render/Video.h"
#include "render/fx/Fx.h"

using namespace nimbus;

namespace {

// Twelve tiles placed and coloured through palettes, as the board draws them.
const char* const kTileEffect = R"(
uniform mat4 g_viewProjection;
uniform mat4 g_transformPalette[12];
uniform vec4 g_colorPalette[12];
uniform vec3 g_lightDirection;
shared { varying vec4 v_color; }
vertex VS {
    attribute vec4 position : POSITION;
    attribute vec3 normal : NORMAL;
    attribute vec2 uv : TEXCOORD0;
    void main() {
        int copy = int(position.w);
        vec4 world = g_transformPalette[copy] * vec4(position.xyz, 1.0);
        float light = max(dot(normal, -g_lightDirection), 0.2);
        v_color = g_colorPalette[copy] * light + vec4(uv, 0.0, 0.0) * 0.01;
        gl_Position = g_viewProjection * world;
    }
}
fragment FS { void main() { gl_FragColor = v_color; } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; DepthTestEnable = true; } }
)";

const char* const kTenParameters = R"(
uniform mat4 g_view;
uniform mat4 g_viewProjection;
uniform mat4 g_modelTransform;
uniform vec3 g_cameraX;
uniform vec3 g_cameraY;
uniform vec3 g_cameraPosition;
uniform vec3 g_lightDirection;
uniform float g_outlineScale;
uniform vec4 g_colorPalette[12];
uniform mat4 g_transformPalette[12];
vertex VS {
    attribute vec4 position : POSITION;
    void main() {
        vec4 p = g_transformPalette[int(position.w)] * g_modelTransform * position;
        p.xyz += g_cameraX + g_cameraY + g_cameraPosition + g_lightDirection * g_outlineScale;
        gl_Position = g_viewProjection * g_view * p + g_colorPalette[int(position.w)];
    }
}
fragment FS { void main() { gl_FragColor = vec4(1.0); } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = false; DepthMask = true; } }
)";

// A box of 24 vertices and 36 indices in the model files' layout.
std::unique_ptr<Mesh> makeBrick(Core& core) {
    VertexBuffer* vb = core.createVertexBuffer(24, VertexFormat(0x07), false);
    auto* v = static_cast<float*>(vb->lockForWrite());
    const float axes[6][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int face = 0; face < 6; ++face) {
        for (int corner = 0; corner < 4; ++corner) {
            const float a = corner & 1 ? 0.5f : -0.5f, b = corner & 2 ? 0.5f : -0.5f;
            const float* n = axes[face];
            *v++ = n[0] * 0.5f + (n[0] == 0 ? a : 0);
            *v++ = n[1] * 0.5f + (n[1] == 0 ? (n[0] == 0 ? b : a) : 0);
            *v++ = n[2] * 0.5f + (n[2] == 0 ? b : 0);
            *v++ = n[0];
            *v++ = n[1];
            *v++ = n[2];
            *v++ = a + 0.5f;
            *v++ = b + 0.5f;
        }
    }
    vb->unlock();
    IndexBuffer* ib = core.createIndexBuffer(36, false);
    uint16_t* i = ib->lockForWrite();
    for (uint16_t face = 0; face < 6; ++face) {
        const uint16_t base = face * 4;
        const uint16_t quad[] = {0, 1, 3, 0, 3, 2};
        for (uint16_t q : quad) *i++ = base + q;
    }
    ib->unlock();
    return std::make_unique<Mesh>(PrimitiveType::Triangles, vb, ib, Mesh::Textures());
}

class Window {
public:
    Window() {
        VideoMode mode;
        mode.width = 256;
        mode.height = 256;
        bool started = false;
        core_.reset(openVideo(mode, started));
    }
    ~Window() {
        core_.reset();
        closeVideo();
    }
    Core* core() const { return core_.get(); }

private:
    std::unique_ptr<Core> core_;
};

// Draws per second of one twelve-tile batch, each draw finished by the GPU.
void BM_TileBatchDraw(benchmark::State& state) {
    Window window;
    Core* core = window.core();
    if (!core) {
        state.SkipWithError("no window");
        return;
    }
    auto brick = makeBrick(*core);
    std::unique_ptr<MeshBatch> batch(buildMeshBatch(*brick, *core));
    std::unique_ptr<Shader> shader(core->createShader(kTileEffect));
    if (!batch || !shader) {
        state.SkipWithError("no batch or effect");
        return;
    }
    Matrix44 placements[12];
    Vector4 colors[12];
    for (int k = 0; k < 12; ++k) {
        placements[k] = Matrix44::translation(
            Vector3(static_cast<float>(k % 4) * 0.4f - 0.6f, static_cast<float>(k / 4) * 0.4f - 0.4f, 0));
        colors[k] = Vector4(k / 12.0f, 1, 0.5f, 1);
    }
    shader->setMatrix("g_viewProjection", Matrix44::scaling(Vector3(0.3f, 0.3f, 0.3f)));
    shader->setMatrixArray("g_transformPalette", placements, 12);
    shader->setVectorArray("g_colorPalette", colors, 12);
    shader->setVector("g_lightDirection", Vector3(0, 0, -1));
    for (auto _ : state) {
        core->clear(Color(0, 0, 0, 1));
        core->draw(batch->getPrimitiveType(), batch->getElementCount(), 0, batch->getVertexBuffer(),
                   batch->getIndexBuffer(), shader.get(), "Technique1");
        glFinish();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TileBatchDraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One set-pass-state and reset with ten parameters changed before it, as a scene
// renderer does for each object.
void BM_SetPassStateTenParameters(benchmark::State& state) {
    Window window;
    Core* core = window.core();
    if (!core) {
        state.SkipWithError("no window");
        return;
    }
    std::unique_ptr<Shader> shader(core->createShader(kTenParameters));
    if (!shader) {
        state.SkipWithError("no effect");
        return;
    }
    Matrix44 palette[12];
    Vector4 colors[12];
    float step = 0;
    for (auto _ : state) {
        step += 1.0f;
        const Matrix44 m = Matrix44::translation(Vector3(step, 0, 0));
        shader->setMatrix("g_view", m);
        shader->setMatrix("g_viewProjection", m);
        shader->setMatrix("g_modelTransform", m);
        shader->setVector("g_cameraX", Vector3(step, 0, 0));
        shader->setVector("g_cameraY", Vector3(0, step, 0));
        shader->setVector("g_cameraPosition", Vector3(0, 0, step));
        shader->setVector("g_lightDirection", Vector3(step, step, 0));
        shader->setFloat("g_outlineScale", step);
        shader->setVectorArray("g_colorPalette", colors, 12);
        shader->setMatrixArray("g_transformPalette", palette, 12);
        fx::Pass* pass = shader->firstPass("Technique1");
        fx::setPassState(pass);
        fx::resetPassState(pass);
    }
    glFinish();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetPassStateTenParameters)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
