#include "render/gl/OglScreenspaceRenderer.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

#include "core/ResourceManager.h"
#include "render/Core.h"
#include "render/VertexBuffer.h"
#include "render/VertexFormat.h"

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
    : core_(core) {
    scale_ = Vector3(2.0f / (maxCorner.x - minCorner.x), 2.0f / (maxCorner.y - minCorner.y), 0.0f);
    offset_ = Vector3(1.0f - scale_.x * maxCorner.x, 1.0f - scale_.y * maxCorner.y, 0.0f);
    core_.getSize(width_, height_);
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
    return {(-1.0f - offset_.x) / scale_.x, (-1.0f - offset_.y) / scale_.y, (1.0f - offset_.x) / scale_.x,
            (1.0f - offset_.y) / scale_.y};
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
    if (!writePointer_) return;
    if (!batches_.empty() && batches_.back().end >= kQuadCapacity) return;
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

bool OglScreenspaceRenderer::scissorFor(const ClipRect& clip, Scissor& scissor) const {
    if (clip.minX >= clip.maxX || clip.minY >= clip.maxY) return false;
    const float halfWidth = static_cast<float>(width_) * 0.5f;
    const float halfHeight = static_cast<float>(height_) * 0.5f;
    scissor.x = static_cast<int32_t>(std::floor((clip.minX * scale_.x + offset_.x + 1.0f) * halfWidth));
    scissor.y = static_cast<int32_t>(std::floor((clip.minY * scale_.y + offset_.y + 1.0f) * halfHeight));
    scissor.width = static_cast<int32_t>(std::ceil((clip.maxX - clip.minX) * scale_.x * halfWidth));
    scissor.height = static_cast<int32_t>(std::ceil((clip.maxY - clip.minY) * scale_.y * halfHeight));
    return true;
}

void OglScreenspaceRenderer::flush() {
    VertexBuffer* buffer = buffers_[current_];
    if (!buffer) return;
    buffer->unlock();
    glEnable(GL_SCISSOR_TEST);
    if (shader_) {
        shader_->setVector("g_viewport_scale", scale_);
        shader_->setVector("g_viewport_offset", offset_);
    }
    for (const Batch& batch : batches_) drawBatch(batch);
    glDisable(GL_SCISSOR_TEST);
    batches_.clear();
    current_ = 1 - current_;
    buffer = buffers_[current_];
    writePointer_ = buffer ? static_cast<ScreenQuad*>(buffer->lockForWrite()) : nullptr;
}

void OglScreenspaceRenderer::drawBatch(const Batch& batch) {
    Scissor box;
    if (!scissorFor(batch.clip, box)) return;
    glScissor(box.x, box.y, box.width, box.height);
    if (!shader_) return;
    shader_->setTexture("g_diffuseTexture", batch.texture.get());
    core_.draw(PrimitiveType::Quads, (batch.end - batch.first) * 4, batch.first * 4, buffers_[current_],
               nullptr, shader_.get(),
               batch.texture ? kLayerTechniques[static_cast<int>(batch.layer)] : "Wireframe");
}

}  // namespace nimbus
