#include "GlTestWindow.h"

#include <GL/glew.h>
#include <GL/glx.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "render/Video.h"

using namespace nimbus;

Core* GlTest::core_ = nullptr;

const char* const kFlatEffect = R"(
uniform vec4 g_color;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); }
}
fragment FS {
    void main() { gl_FragColor = g_color; }
}
technique Technique1 { pass p0 { VertexProgram = VS; FragmentProgram = FS; } }
)";

void GlTest::SetUpTestSuite() {
    VideoMode mode;
    mode.width = kSize;
    mode.height = kSize;
    bool started = false;
    core_ = openVideo(mode, started);
    ASSERT_NE(core_, nullptr);
}

void GlTest::TearDownTestSuite() {
    delete core_;
    core_ = nullptr;
    closeVideo();
}

void GlTest::SetUp() {
    ASSERT_NE(core_, nullptr);
    core_->clear(Color(0, 0, 0, 1));
}

void GlTest::TearDown() { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

std::unique_ptr<Shader> GlTest::compile(const char* text) {
    std::unique_ptr<Shader> shader(core_->createShader(text));
    EXPECT_NE(shader, nullptr);
    return shader;
}

std::unique_ptr<VertexBuffer> GlTest::quad(float x0, float y0, float x1, float y1, float z) {
    std::unique_ptr<VertexBuffer> vb(core_->createVertexBuffer(4, VertexFormat(0x01), false));
    // Counter-clockwise, so back-face culling keeps it.
    const float corners[] = {x0, y0, z, x1, y0, z, x1, y1, z, x0, y1, z};
    std::memcpy(vb->lockForWrite(), corners, sizeof corners);
    vb->unlock();
    return vb;
}

uint32_t GlTest::pixel(int x, int y) { return readPixelColor(x, y); }

CoreDesc windowDesc() {
    CoreDesc desc;
    SDL_SysWMinfo wm;
    SDL_VERSION(&wm.version);
    if (SDL_GetWMInfo(&wm) != 1) return desc;
    desc.window = reinterpret_cast<void*>(static_cast<uintptr_t>(wm.info.x11.window));
    desc.glContext = glXGetCurrentContext();
    return desc;
}
