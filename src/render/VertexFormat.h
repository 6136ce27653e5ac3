#pragma once

#include <cstdint>

namespace nimbus {

// The kinds of vertex element. A format built from a mask takes them in this order.
enum class VertexUsage : uint32_t {
    Position = 0x01,      // 3 floats, "POSITION"
    Normal = 0x02,        // 3 floats, "NORMAL"
    TexCoord0 = 0x04,     // 2 floats, "TEXCOORD0"
    Color0 = 0x08,        // 4 unsigned bytes, "COLOR0" (normalised when bound)
    BoneIndices = 0x10,   // 4 unsigned bytes, "BONEINDICES"
    BlendWeights = 0x20,  // 4 floats, "BLENDWEIGHTS"
    TexCoord1 = 0x40,     // 2 floats, never bound to a program
};

// The semantic a usage is bound by, or null for one that is never bound.
const char* semanticOf(VertexUsage usage);

// Size in bytes of a GL component type (GL_FLOAT, GL_UNSIGNED_BYTE, ...); -1 when unknown.
int32_t componentTypeSize(uint32_t glType);

// One element of a vertex: usage, GL component type, component count, byte offset.
struct VertexElement {
    uint32_t usage = 0;
    uint32_t type = 0;
    uint32_t count = 0;
    uint32_t offset = 0;
};

// The layout of one vertex: up to eight elements packed in the order added, without
// alignment, so the stride is the sum of the element sizes. A plain value.
class VertexFormat {
public:
    static constexpr int32_t kMaxElements = 8;

    VertexFormat() = default;
    // The usages of the mask, in table order, with their standard type and count.
    explicit VertexFormat(uint32_t usageMask) { build(usageMask); }

    // Clears the format, then adds every usage of the mask in table order.
    void build(uint32_t usageMask);
    // Appends an element at the current stride; false (nothing added) when full or the
    // type is unknown.
    bool add(VertexUsage usage, uint32_t glType, uint32_t count);

    bool has(VertexUsage usage) const { return find(usage) != nullptr; }
    // GL type, component count and offset of the first element of that usage; 0, 0 and
    // -1 when absent.
    uint32_t typeOf(VertexUsage usage) const;
    uint32_t countOf(VertexUsage usage) const;
    int32_t offsetOf(VertexUsage usage) const;
    uint32_t stride() const { return stride_; }
    int32_t elementCount() const { return elementCount_; }
    const VertexElement& element(int32_t i) const { return elements_[i]; }

private:
    const VertexElement* find(VertexUsage usage) const;

    VertexElement elements_[kMaxElements];
    int32_t elementCount_ = 0;
    uint32_t stride_ = 0;
};

}  // namespace nimbus
