#include "render/VertexFormat.h"

#include <GL/glew.h>

namespace nimbus {

namespace {

struct UsageInfo {
    VertexUsage usage;
    uint32_t type;
    uint32_t count;
    const char* semantic;
};

// The standard element of each usage, in the order a mask adds them.
const UsageInfo kUsages[] = {
    {VertexUsage::Position, GL_FLOAT, 3, "POSITION"},
    {VertexUsage::Normal, GL_FLOAT, 3, "NORMAL"},
    {VertexUsage::TexCoord0, GL_FLOAT, 2, "TEXCOORD0"},
    {VertexUsage::Color0, GL_UNSIGNED_BYTE, 4, "COLOR0"},
    {VertexUsage::BoneIndices, GL_UNSIGNED_BYTE, 4, "BONEINDICES"},
    {VertexUsage::BlendWeights, GL_FLOAT, 4, "BLENDWEIGHTS"},
    {VertexUsage::TexCoord1, GL_FLOAT, 2, nullptr},
};

struct TypeSize {
    uint32_t type;
    int32_t size;
};

// The component types the usages above have.
const TypeSize kTypeSizes[] = {{GL_UNSIGNED_BYTE, 1}, {GL_FLOAT, 4}};

}  // namespace

const char* semanticOf(VertexUsage usage) {
    for (const UsageInfo& info : kUsages) {
        if (info.usage == usage) return info.semantic;
    }
    return nullptr;
}

int32_t componentTypeSize(uint32_t glType) {
    for (const TypeSize& entry : kTypeSizes) {
        if (entry.type == glType) return entry.size;
    }
    return -1;
}

void VertexFormat::build(uint32_t usageMask) {
    elementCount_ = 0;
    stride_ = 0;
    for (const UsageInfo& info : kUsages) {
        if (usageMask & static_cast<uint32_t>(info.usage)) add(info.usage, info.type, info.count);
    }
}

bool VertexFormat::add(VertexUsage usage, uint32_t glType, uint32_t count) {
    const int32_t size = componentTypeSize(glType);
    if (elementCount_ >= kMaxElements || size < 0) return false;
    elements_[elementCount_++] = {static_cast<uint32_t>(usage), glType, count, stride_};
    stride_ += static_cast<uint32_t>(size) * count;
    return true;
}

const VertexElement* VertexFormat::find(VertexUsage usage) const {
    for (int32_t i = 0; i < elementCount_; ++i) {
        if (elements_[i].usage == static_cast<uint32_t>(usage)) return &elements_[i];
    }
    return nullptr;
}

uint32_t VertexFormat::typeOf(VertexUsage usage) const {
    const VertexElement* e = find(usage);
    return e ? e->type : 0;
}

uint32_t VertexFormat::countOf(VertexUsage usage) const {
    const VertexElement* e = find(usage);
    return e ? e->count : 0;
}

int32_t VertexFormat::offsetOf(VertexUsage usage) const {
    const VertexElement* e = find(usage);
    return e ? static_cast<int32_t>(e->offset) : -1;
}

}  // namespace nimbus
