#include "render/gl/OglScreenspaceRenderer.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

#include "core/ResourceManager.h"
#include "render/Core.h"
#include "render/VertexBuffer.h"
#include "render/VertexFormat.h"
#include "render/ViewFit.h"

namespace nimbus {

namespace {

// Position 2 floats, texture coordinates 2 floats, colour 4 floats: 32 bytes.
VertexFormat screenVertexFormat() {
    VertexFormat format;
    format.add(VertexUsage::Position, GL_FLOAT, 2);
    format.add(VertexUsage::TexCoord0, GL_FLOAT, 2);
    format.add(VertexUsage::Color0, GL_FLOAT, 4);
    return format;
}

// The effect's technique for each layer, in the order of `Layer`; a quad without a
// texture is drawn as "Wireframe" whatever its layer.
const char* const kLayerTechniques[] = {"Blend", "Glow", "Behind"};

}  // namespace

OglScreenspaceRenderer::OglScreenspaceRenderer(Core& core, const Vector2& maxCorner, const Vector2& minCorner)
    : core_(core), viewMin_(minCorner), viewMax_(maxCorner) {
    scale_ = Vector3(2.0f / (maxCorner.x - minCorner.x), 2.0f / (maxCorner.y - minCorner.y), 0.0f);
    offset_ = Vector3(1.0f - scale_.x * maxCorner.x, 1.0f - scale_.y * maxCorner.y, 0.0f);
    shader_ = getResource<Shader>("Shaders/ScreenSpace", "Shader");
    const VertexFormat format = screenVertexFormat();
    static_assert(sizeof(ScreenVertex) == 32, "screen vertices match the buffer stride");
    for (VertexBuffer*& buffer : buffers_) buffer = core_.createVertexBuffer(kVertexCapacity, format, true);
    batches_.reserve(kQuadCapacity);
    if (buffers_[0]) writePointer_ = static_cast<ScreenQuad*>(buffers_[0]->lockForWrite());
}

OglScreenspaceRenderer::~OglScreenspaceRenderer() {
    if (buffers_[current_]) buffers_[current_]->unlock();
    for (VertexBuffer* buffer : buffers_) delete buffer;
}

void OglScreenspaceRenderer::pushClipRect(const Vector2& min, const Vector2& max) {
    ClipRect rect{min.x, min.y, max.x, max.y};
    if (!clipStack_.empty()) {
        const ClipRect& top = clipStack_.back();
        rect = {std::max(rect.minX, top.minX), std::max(rect.minY, top.minY), std::min(rect.maxX, top.maxX),
                std::min(rect.maxY, top.maxY)};
    }
    clipStack_.push_back(rect);
}

void OglScreenspaceRenderer::popClipRect() {
    if (!clipStack_.empty()) clipStack_.pop_back();
}

OglScreenspaceRenderer::ClipRect OglScreenspaceRenderer::currentClipRect() const {
    if (!clipStack_.empty()) return clipStack_.back();
    return {viewMin_.x, viewMin_.y, viewMax_.x, viewMax_.y};
}

void OglScreenspaceRenderer::addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture,
                                     bool glow) {
    queue(quad, texture, glow ? Layer::kGlow : Layer::kBlend);
}

void OglScreenspaceRenderer::addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>& texture) {
    queue(quad, texture, Layer::kBehind);
}

void OglScreenspaceRenderer::queue(const ScreenQuad& quad, const ResourceHandle<Texture>& texture,
                                   Layer layer) {
    // A full buffer is drawn at once, so a busy screen loses nothing and keeps its order.
    if (!batches_.empty() && batches_.back().end >= kQuadCapacity) flush();
    if (!writePointer_) return;
    const ClipRect clip = currentClipRect();
    if (batches_.empty() || batches_.back().texture.get() != texture.get() ||
        batches_.back().layer != layer || !(batches_.back().clip == clip)) {
        const int32_t start = batches_.empty() ? 0 : batches_.back().end;
        batches_.emplace_back();
        Batch& batch = batches_.back();
        batch.first = start;
        batch.end = start;
        batch.texture = texture;
        batch.layer = layer;
        batch.clip = clip;
    }
    Batch& batch = batches_.back();
    writePointer_[batch.end] = quad;
    ++batch.end;
}

OglScreenspaceRenderer::Mapping OglScreenspaceRenderer::windowMapping() const {
    Mapping mapping;
    core_.getSize(mapping.width, mapping.height);
    Vector2 min, max;
    ViewFit(mapping.width, mapping.height).windowExtent(viewMin_, viewMax_, min, max);
    mapping.scale = Vector3(2.0f / (max.x - min.x), 2.0f / (max.y - min.y), 0.0f);
    mapping.offset = Vector3(1.0f - mapping.scale.x * max.x, 1.0f - mapping.scale.y * max.y, 0.0f);
    return mapping;
}

bool OglScreenspaceRenderer::scissorFor(const ClipRect& clip, Scissor& scissor) const {
    return scissorIn(clip, windowMapping(), scissor);
}

bool OglScreenspaceRenderer::scissorIn(const ClipRect& clip, const Mapping& mapping, Scissor& scissor) {
    if (clip.minX >= clip.maxX || clip.minY >= clip.maxY) return false;
    const float halfWidth = static_cast<float>(mapping.width) * 0.5f;
    const float halfHeight = static_cast<float>(mapping.height) * 0.5f;
    const Vector3& scale = mapping.scale;
    const Vector3& offset = mapping.offset;
    scissor.x = static_cast<int32_t>(std::floor((clip.minX * scale.x + offset.x + 1.0f) * halfWidth));
    scissor.y = static_cast<int32_t>(std::floor((clip.minY * scale.y + offset.y + 1.0f) * halfHeight));
    scissor.width = static_cast<int32_t>(std::ceil((clip.maxX - clip.minX) * scale.x * halfWidth));
    scissor.height = static_cast<int32_t>(std::ceil((clip.maxY - clip.minY) * scale.y * halfHeight));
    return true;
}

void OglScreenspaceRenderer::flush() {
    VertexBuffer* buffer = buffers_[current_];
    if (!buffer) return;
    buffer->unlock();
    const Mapping mapping = windowMapping();
    glEnable(GL_SCISSOR_TEST);
    if (shader_) {
        shader_->setVector("g_viewport_scale", mapping.scale);
        shader_->setVector("g_viewport_offset", mapping.offset);
    }
    for (const Batch& batch : batches_) drawBatch(batch, mapping);
    glDisable(GL_SCISSOR_TEST);
    batches_.clear();
    current_ = 1 - current_;
    buffer = buffers_[current_];
    writePointer_ = buffer ? static_cast<ScreenQuad*>(buffer->lockForWrite()) : nullptr;
}

void OglScreenspaceRenderer::drawBatch(const Batch& batch, const Mapping& mapping) {
    Vector2 min(batch.clip.minX, batch.clip.minY), max(batch.clip.maxX, batch.clip.maxY);
    if (batch.layer == Layer::kBehind)
        ViewFit(mapping.width, mapping.height).reachWindow(viewMin_, viewMax_, min, max);
    Scissor box;
    if (!scissorIn({min.x, min.y, max.x, max.y}, mapping, box)) return;
    glScissor(box.x, box.y, box.width, box.height);
    if (!shader_) return;
    shader_->setTexture("g_diffuseTexture", batch.texture.get());
    core_.draw(PrimitiveType::Quads, (batch.end - batch.first) * 4, batch.first * 4, buffers_[current_],
               nullptr, shader_.get(),
               batch.texture ? kLayerTechniques[static_cast<int>(batch.layer)] : "Wireframe");
}

}  // namespace nimbus
