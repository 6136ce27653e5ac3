#pragma once

#include <string>
#include <vector>

#include "render/Core.h"

// A core that hands every call to a real one and writes down each draw with the GL
// scissor box in force while it ran, so tests can see batches, buffers and clipping.
class RecordingCore : public nimbus::Core {
public:
    struct Draw {
        int32_t count = 0;
        int32_t first = 0;
        nimbus::VertexBuffer* vertices = nullptr;
        std::string technique;
        int scissor[4] = {0, 0, 0, 0};
        bool scissorEnabled = false;
    };

    explicit RecordingCore(nimbus::Core& real) : real_(real) {}

    bool initialize(const nimbus::CoreDesc& desc) override { return real_.initialize(desc); }
    nimbus::VertexBuffer* createVertexBuffer(int32_t count, const nimbus::VertexFormat& format, bool dynamic) override;
    nimbus::IndexBuffer* createIndexBuffer(int32_t count, bool dynamic) override {
        return real_.createIndexBuffer(count, dynamic);
    }
    nimbus::Shader* createShader(const char* text) override { return real_.createShader(text); }
    nimbus::Texture* createTexture(const nimbus::TextureHeader& header, const void* pixels, int64_t bytes) override {
        return real_.createTexture(header, pixels, bytes);
    }
    void clear(const nimbus::Color& color) override { real_.clear(color); }
    void draw(nimbus::PrimitiveType type, int32_t count, int32_t first, nimbus::VertexBuffer* vertices,
              nimbus::IndexBuffer* indices, nimbus::Shader* shader, const char* technique) override;
    void drawLine(const nimbus::Vector4& from, const nimbus::Vector4& to, const nimbus::Color& color,
                  nimbus::Shader* shader, const char* technique) override {
        real_.drawLine(from, to, color, shader, technique);
    }
    void present() override { real_.present(); }
    void getSize(int32_t& width, int32_t& height) const override { real_.getSize(width, height); }

    std::vector<Draw> draws;
    std::vector<nimbus::VertexBuffer*> buffers;

private:
    nimbus::Core& real_;
};
