#include "render/Video.h"

#include <GL/glew.h>
#include <GL/glxew.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "core/Log.h"
#include "render/gl/OglCore.h"

namespace nimbus {

namespace {

// What the display offered before the first mode was set: once a window is open, SDL
// reports the window's size instead of the desktop's.
struct Desktop {
    int32_t width = kViewWidth;
    int32_t height = kViewHeight;
    int bitsPerPixel = 0;
};
Desktop gDesktop;

SDL_Surface* setMode(const VideoMode& mode) {
    const int32_t width = mode.fullscreen ? gDesktop.width : mode.width;
    const int32_t height = mode.fullscreen ? gDesktop.height : mode.height;
    const Uint32 flags = SDL_OPENGL | (mode.fullscreen ? SDL_FULLSCREEN : 0);
    SDL_Surface* surface = SDL_SetVideoMode(width, height, gDesktop.bitsPerPixel, flags);
    if (!surface)
        LOG_ERROR("Failed to open a " << width << " x " << height << " window - " << SDL_GetError());
    return surface;
}

}  // namespace

Core* openVideo(const VideoMode& mode, bool& videoStarted) {
    // The window is an X window drawn through GLX. Left to choose, SDL would try its
    // frame-buffer and text-mode drivers where X fails, and take over the terminal.
    ::setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        LOG_ERROR("Failed to start SDL video - " << SDL_GetError());
        return nullptr;
    }
    videoStarted = true;
    SDL_EnableUNICODE(1);
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (!info) {
        LOG_ERROR("Failed to query the video information - " << SDL_GetError());
        return nullptr;
    }
    // A display that does not tell its size gets a full screen of the view's size.
    if (info->current_w > 0 && info->current_h > 0) gDesktop = {info->current_w, info->current_h, 0};
    gDesktop.bitsPerPixel = info->vfmt->BitsPerPixel;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 32);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, mode.verticalSync ? 1 : 0);
    const SDL_Surface* surface = setMode(mode);
    if (!surface) return nullptr;
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    SDL_SysWMinfo wm;
    SDL_VERSION(&wm.version);
    if (SDL_GetWMInfo(&wm) == -1) {
        LOG_ERROR("Failed to read the window-manager information - " << SDL_GetError());
        return nullptr;
    }
    CoreDesc desc;
    desc.window = reinterpret_cast<void*>(static_cast<uintptr_t>(wm.info.x11.window));
    desc.width = surface->w;
    desc.height = surface->h;
    desc.glContext = glXGetCurrentContext();
    desc.verticalSync = mode.verticalSync;
    auto* core = new (std::nothrow) OglCore();
    if (core && core->initialize(desc)) return core;
    delete core;
    return nullptr;
}

VideoSwitch switchVideo(const VideoMode& mode, Core& core) {
    const GLXContext context = glXGetCurrentContext();
    const SDL_Surface* old = SDL_GetVideoSurface();
    if (!old) return VideoSwitch::Lost;
    VideoMode previous;
    previous.width = old->w;
    previous.height = old->h;
    previous.fullscreen = (old->flags & SDL_FULLSCREEN) != 0;
    const SDL_Surface* surface = setMode(mode);
    const VideoSwitch result = surface ? VideoSwitch::Done : VideoSwitch::Refused;
    if (!surface) surface = setMode(previous);
    if (!surface) return VideoSwitch::Lost;
    if (glXGetCurrentContext() != context) {
        LOG_ERROR("The window's GL context was replaced when its size changed");
        return VideoSwitch::Lost;
    }
    static_cast<OglCore&>(core).resize(surface->w, surface->h);
    return result;
}

void releaseShaderCompiler() {
    // The compiler keeps its built-in functions, some megabytes, for the next compile.
    // Freed, they leave holes inside the heap, which the C library keeps unless trimmed.
    if (GLEW_ARB_ES2_compatibility) glReleaseShaderCompiler();
    malloc_trim(0);
}

void closeVideo() { SDL_Quit(); }

float displayRate() {
    int32_t numerator = 0;
    int32_t denominator = 0;
    if (!GLXEW_OML_sync_control ||
        !glXGetMscRateOML(glXGetCurrentDisplay(), glXGetCurrentDrawable(), &numerator, &denominator) ||
        numerator <= 0 || denominator <= 0) {
        return 0.0f;
    }
    return static_cast<float>(numerator) / static_cast<float>(denominator);
}

}  // namespace nimbus
