#pragma once

#include <vector>

#include "render/ScreenspaceRenderer.h"

// A renderer that keeps what it is given instead of drawing it.
class QuadCollector : public nimbus::ScreenspaceRenderer {
public:
    struct Added {
        nimbus::ScreenQuad quad;
        nimbus::Texture* texture;
        bool glow;
    };
    void pushClipRect(const nimbus::Vector2&, const nimbus::Vector2&) override {}
    void popClipRect() override {}
    void addQuad(const nimbus::ScreenQuad& quad, const nimbus::ResourceHandle<nimbus::Texture>& texture,
                 bool glow) override {
        added.push_back({quad, texture.get(), glow});
    }
    void flush() override {}
    std::vector<Added> added;
};
