#pragma once

#include <string>
#include <vector>

#include "render/Core.h"

namespace nimbus {

// Hands every call to a real core, writing down each draw with the scissor box then in force.
class RecordingCore : public Core {
public:
    struct Draw {
        int32_t count = 0;
        int32_t first = 0;
        VertexBuffer* vertices = nullptr;
        std::string technique;
        int scissor[4] = {0, 0, 0, 0};
        bool scissorEnabled = false;
    };

    explicit RecordingCore(Core& real) : real_(real) {}

    bool initialize(const CoreDesc& desc) override { return real_.initialize(desc); }
    VertexBuffer* createVertexBuffer(int32_t count, const VertexFormat& format, bool dynamic) override;
    IndexBuffer* createIndexBuffer(int32_t count, bool dynamic) override {
        return real_.createIndexBuffer(count, dynamic);
    }
    Shader* createShader(const char* text) override { return real_.createShader(text); }
    Texture* createTexture(const TextureHeader& header, const void* pixels, int64_t bytes) override {
        return real_.createTexture(header, pixels, bytes);
    }
    void clear(const Color& color) override { real_.clear(color); }
    void draw(PrimitiveType type, int32_t count, int32_t first, VertexBuffer* vertices, IndexBuffer* indices,
              Shader* shader, const char* technique) override;
    void drawLine(const Vector4& from, const Vector4& to, const Color& color, Shader* shader,
                  const char* technique) override {
        real_.drawLine(from, to, color, shader, technique);
    }
    void present() override { real_.present(); }
    void getSize(int32_t& width, int32_t& height) const override { real_.getSize(width, height); }

    std::vector<Draw> draws;
    std::vector<VertexBuffer*> buffers;

private:
    Core& real_;
};

}  // namespace nimbus
