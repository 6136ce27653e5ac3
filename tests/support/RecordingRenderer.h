#pragma once

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "render/ScreenspaceRenderer.h"

namespace nimbus {

// Keeps each quad instead of drawing it, backdrops too, with its texture, layer and clip rectangle (min x,
// min y, max x, max y, nested clips intersected; the whole plane when none); counts the flushes.
class RecordingRenderer : public ScreenspaceRenderer {
public:
    struct Added {
        ScreenQuad quad;
        Texture* texture;
        bool glow;
        float clip[4];
    };

    void pushClipRect(const Vector2& min, const Vector2& max) override {
        std::vector<float> clip = {min.x, min.y, max.x, max.y};
        if (!clips.empty()) {
            const std::vector<float>& top = clips.back();
            clip = {std::max(clip[0], top[0]), std::max(clip[1], top[1]), std::min(clip[2], top[2]),
                    std::min(clip[3], top[3])};
        }
        clips.push_back(clip);
    }
    void popClipRect() override {
        if (!clips.empty()) clips.pop_back();
    }
    void addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, bool glow) override {
        const float huge = std::numeric_limits<float>::max();
        Added entry{quad, texture.get(), glow, {-huge, -huge, huge, huge}};
        if (!clips.empty()) std::copy(clips.back().begin(), clips.back().end(), entry.clip);
        added.push_back(entry);
    }
    void addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>& texture) override {
        addQuad(quad, texture, false);
    }
    void flush() override { ++flushes; }

    // The rightmost x a corner reaches of the quads `keeps` picks (of all by default).
    float rightmost(const std::function<bool(const Added&)>& keeps = nullptr) const {
        float x = -1e9f;
        for (const Added& entry : added)
            if (!keeps || keeps(entry))
                for (const ScreenVertex& corner : entry.quad.corners) x = std::max(x, corner.x);
        return x;
    }

    std::vector<Added> added;
    std::vector<std::vector<float>> clips;
    int flushes = 0;
};

}  // namespace nimbus
