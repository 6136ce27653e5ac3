#include "render/gl/OglCore.h"

#include <GL/glew.h>
#include <GL/glxew.h>
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <cstdint>

#include "core/Log.h"
#include "core/math/Color.h"
#include "core/math/Vector4.h"
#include "render/IndexBuffer.h"
#include "render/Shader.h"
#include "render/VertexBuffer.h"
#include "render/gl/AttributeBinding.h"
#include "render/gl/OglIndexBuffer.h"
#include "render/gl/OglShader.h"
#include "render/gl/OglTexture.h"
#include "render/gl/OglVertexBuffer.h"

namespace nimbus {

namespace {

void reportEffectError(int code, void*) { LOG_ERROR("CG Error: " << fx::errorString(code)); }

GLenum glMode(PrimitiveType type) {
    switch (type) {
        case PrimitiveType::Triangles:
            return GL_TRIANGLES;
        case PrimitiveType::Lines:
            return GL_LINES;
        case PrimitiveType::Quads:
            return GL_QUADS;
        default:
            return GL_POINTS;
    }
}

void drawPointSprites(int32_t first, int32_t count) {
    glEnable(GL_VERTEX_PROGRAM_POINT_SIZE);
    glEnable(GL_POINT_SPRITE);
    glTexEnvf(GL_POINT_SPRITE, GL_COORD_REPLACE, 1.0f);
    glDrawArrays(GL_POINTS, first, count);
    glTexEnvf(GL_POINT_SPRITE, GL_COORD_REPLACE, 0.0f);
    glDisable(GL_POINT_SPRITE);
    glDisable(GL_VERTEX_PROGRAM_POINT_SIZE);
}

}  // namespace

OglCore::~OglCore() {
    if (fxContext_) {
        fx::setErrorHandler(fxContext_, nullptr, nullptr);
        fx::destroyContext(fxContext_);
    }
    // The only context here is the windowing library's, released with its window.
}

bool OglCore::initialize(const CoreDesc& desc) {
    if (!desc.window) return false;
    width_ = desc.width;
    height_ = desc.height;
    window_ = static_cast<unsigned long>(reinterpret_cast<uintptr_t>(desc.window));
    // The X display stands where a device context would: the connection the window
    // and its context live on.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || !info.info.x11.gfxdisplay) return false;
    display_ = info.info.x11.gfxdisplay;
    glContext_ = desc.glContext ? desc.glContext : glXGetCurrentContext();
    if (!glContext_) {
        LOG_ERROR("Failed to create a gl context");
        return false;
    }
    borrowedContext_ = true;
    if (glXGetCurrentContext() != glContext_ &&
        !glXMakeCurrent(static_cast<Display*>(display_), window_, static_cast<GLXContext>(glContext_))) {
        return false;
    }
    fxContext_ = fx::createContext();
    if (!fxContext_) {
        LOG_ERROR("Failed to create a cg context");
        return false;
    }
    fx::setErrorHandler(fxContext_, reportEffectError, this);
    fx::registerStates(fxContext_);
    glViewport(0, 0, width_, height_);
    if (glewInit() != GLEW_OK) {
        LOG_ERROR("Failed to initialize GLEW");
        return false;
    }
    if (!desc.verticalSync) {
        if (GLXEW_EXT_swap_control) {
            // The drawable GL renders to, which the windowing library may keep apart from
            // the window it reports.
            glXSwapIntervalEXT(glXGetCurrentDisplay(), glXGetCurrentDrawable(), 0);
        } else if (GLXEW_MESA_swap_control) {
            glXSwapIntervalMESA(0);
        }
    }
    return true;
}

VertexBuffer* OglCore::createVertexBuffer(int32_t count, const VertexFormat& format, bool) {
    return OglVertexBuffer::create(count, format);
}

IndexBuffer* OglCore::createIndexBuffer(int32_t count, bool) { return OglIndexBuffer::create(count); }

Shader* OglCore::createShader(const char* text) { return OglShader::create(fxContext_, text); }

Texture* OglCore::createTexture(const TextureHeader& header, const void* pixels, int64_t pixelBytes) {
    return OglTexture::create(header, pixels, pixelBytes);
}

void OglCore::clear(const Color& color) {
    glClearColor(color.r(), color.g(), color.b(), color.a());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OglCore::draw(PrimitiveType type, int32_t count, int32_t first, VertexBuffer* vertices,
                   IndexBuffer* indices, Shader* shader, const char* technique) {
    if (!vertices || !shader) return;
    // The buffers live in system memory, so GL would read whatever lies past them.
    const int32_t available = indices ? indices->getCount() : vertices->getCount();
    if (count < 0 || first < 0 || first > available || count > available - first) {
        LOG_ERROR("Draw of " << count << " elements from " << first << " past the " << available
                             << " in the buffer");
        return;
    }
    const GLenum mode = glMode(type);
    for (fx::Pass* pass = shader->firstPass(technique); fx::isPass(pass); pass = fx::nextPass(pass)) {
        fx::setPassState(pass);
        const AttributeBinding binding = bindAttributes(pass, *vertices);
        if (indices) {
            const uint8_t* base = indices->bind();
            glDrawElements(mode, count, GL_UNSIGNED_SHORT, base + 2 * static_cast<size_t>(first));
            indices->unbind();
        } else if (type == PrimitiveType::PointSprites) {
            drawPointSprites(first, count);
        } else {
            glDrawArrays(mode, first, count);
        }
        unbindAttributes(binding);
        fx::resetPassState(pass);
    }
    shader->endTechnique();
}

void OglCore::drawLine(const Vector4& from, const Vector4& to, const Color& color, Shader* shader,
                       const char* technique) {
    if (!shader) return;
    for (fx::Pass* pass = shader->firstPass(technique); fx::isPass(pass); pass = fx::nextPass(pass)) {
        fx::setPassState(pass);
        glBegin(GL_LINES);
        glColor4fv(color.e);
        glVertex3f(from.x, from.y, from.z);
        glVertex3f(to.x, to.y, to.z);
        glEnd();
        fx::resetPassState(pass);
    }
    shader->endTechnique();
}

void OglCore::present() { SDL_GL_SwapBuffers(); }

void OglCore::resize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
    glViewport(0, 0, width_, height_);
}

void OglCore::getSize(int32_t& width, int32_t& height) const {
    width = width_;
    height = height_;
}

}  // namespace nimbus
