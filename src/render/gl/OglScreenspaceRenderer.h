#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "core/ResourceHandle.h"
#include "core/math/Vector3.h"
#include "render/ScreenspaceRenderer.h"
#include "render/Shader.h"
#include "render/ViewFit.h"

namespace nimbus {

class Core;
class VertexBuffer;

// The screen-space renderer over the render core. Quads go straight into one of two
// system-memory vertex buffers of 512 quads (a full one is flushed before the next quad
// goes in); consecutive quads that share texture, layer
// flag and clip rectangle form one batch, drawn with one draw call under a scissor
// rectangle. The buffers alternate between flushes, so the buffer being filled is never
// the one the last flush handed to the driver. Draws through "Shaders/ScreenSpace"; when
// that effect is missing, flushes draw nothing and report nothing.
//
// The view sits in the window as ViewFit places it, and quads stay inside it. Backdrops
// alone reach past it: where a backdrop's clip rectangle meets an edge of the view, it
// goes on to the window's edge, so a full screen of another shape shows no bare bands.
class OglScreenspaceRenderer final : public ScreenspaceRenderer {
public:
    static constexpr int32_t kQuadCapacity = 512;
    static constexpr int32_t kVertexCapacity = kQuadCapacity * 4;

    // A clip rectangle in GUI coordinates; empty when a minimum is not below its maximum.
    struct ClipRect {
        float minX = 0.0f;
        float minY = 0.0f;
        float maxX = 0.0f;
        float maxY = 0.0f;
        bool operator==(const ClipRect& o) const {
            return minX == o.minX && minY == o.minY && maxX == o.maxX && maxY == o.maxY;
        }
    };

    // A scissor box in window pixels, from the bottom left.
    using Scissor = PixelRect;

    // The view rectangle (maxCorner, minCorner) is what the window shows; the game gives
    // kViewMax and kViewMin (ViewSize.h). The core must outlive the renderer.
    OglScreenspaceRenderer(Core& core, const Vector2& maxCorner, const Vector2& minCorner);
    ~OglScreenspaceRenderer();
    OglScreenspaceRenderer(const OglScreenspaceRenderer&) = delete;
    OglScreenspaceRenderer& operator=(const OglScreenspaceRenderer&) = delete;

    void pushClipRect(const Vector2& min, const Vector2& max) override;
    void popClipRect() override;
    void addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, bool glow) override;
    void addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>& texture) override;
    void flush() override;

    // The clip rectangle quads are added under now: the top of the stack, else the view.
    ClipRect currentClipRect() const;
    // The window pixels a clip rectangle (GUI coordinates) covers; false for an empty
    // rectangle.
    bool scissorFor(const ClipRect& clip, Scissor& scissor) const;
    // Batches and quads queued since the last flush.
    int32_t batchCount() const { return static_cast<int32_t>(batches_.size()); }
    int32_t quadCount() const { return batches_.empty() ? 0 : batches_.back().end; }
    // The buffer being filled: 0 or 1.
    int32_t currentBuffer() const { return current_; }
    // What takes the view's GUI coordinates onto -1 to 1 across the view.
    const Vector3& scale() const { return scale_; }
    const Vector3& offset() const { return offset_; }

private:
    // How a batch meets what is already drawn: blended over it, adding light to it, or
    // behind it.
    enum class Layer { kBlend, kGlow, kBehind };

    struct Batch {
        int32_t first = 0;
        int32_t end = 0;
        ResourceHandle<Texture> texture;
        Layer layer = Layer::kBlend;
        ClipRect clip;
    };

    // GUI coordinates onto -1 to 1 across the whole window, of this size.
    struct Mapping {
        Vector3 scale;
        Vector3 offset;
        int32_t width = 0;
        int32_t height = 0;
    };

    void queue(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, Layer layer);
    void drawBatch(const Batch& batch, const Mapping& mapping);
    Mapping windowMapping() const;
    static bool scissorIn(const ClipRect& clip, const Mapping& mapping, Scissor& scissor);

    Core& core_;
    Vector2 viewMin_;
    Vector2 viewMax_;
    Vector3 scale_;
    Vector3 offset_;
    ResourceHandle<Shader> shader_;
    std::deque<ClipRect> clipStack_;
    std::vector<Batch> batches_;
    VertexBuffer* buffers_[2] = {nullptr, nullptr};
    ScreenQuad* writePointer_ = nullptr;
    int32_t current_ = 0;
};

}  // namespace nimbus
