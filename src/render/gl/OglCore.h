#pragma once

#include <cstdint>

#include "render/Core.h"
#include "render/fx/Fx.h"

namespace nimbus {

// The core over OpenGL and our effect runtime, on the GL context the windowing library
// made for the window; that context is borrowed and never deleted here.
class OglCore : public Core {
public:
    OglCore() = default;
    ~OglCore() override;
    OglCore(const OglCore&) = delete;
    OglCore& operator=(const OglCore&) = delete;

    bool initialize(const CoreDesc& desc) override;
    VertexBuffer* createVertexBuffer(int32_t count, const VertexFormat& format, bool dynamic) override;
    IndexBuffer* createIndexBuffer(int32_t count, bool dynamic) override;
    Shader* createShader(const char* text) override;
    Texture* createTexture(const TextureHeader& header, const void* pixels, int64_t pixelBytes) override;
    void clear(const Color& color) override;
    void draw(PrimitiveType type, int32_t count, int32_t first, VertexBuffer* vertices, IndexBuffer* indices,
              Shader* shader, const char* technique) override;
    void drawLine(const Vector4& from, const Vector4& to, const Color& color, Shader* shader,
                  const char* technique) override;
    void present() override;
    void getSize(int32_t& width, int32_t& height) const override;

    // The window now has this size (it went full screen or back); the context and
    // everything made on it stay.
    void resize(int32_t width, int32_t height);

private:
    void* glContext_ = nullptr;
    void* display_ = nullptr;
    unsigned long window_ = 0;
    fx::Context* fxContext_ = nullptr;
    bool borrowedContext_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace nimbus
