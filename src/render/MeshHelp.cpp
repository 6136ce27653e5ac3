#include "render/MeshHelp.h"

#include <GL/glew.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/ResourceManager.h"
#include "render/Core.h"
#include "render/IndexBuffer.h"
#include "render/MeshBatch.h"
#include "render/ModelFile.h"
#include "render/VertexBuffer.h"

namespace nimbus {

namespace {

constexpr uint32_t kFileLayout = static_cast<uint32_t>(VertexUsage::Position) |
                                 static_cast<uint32_t>(VertexUsage::Normal) |
                                 static_cast<uint32_t>(VertexUsage::TexCoord0);

// Position, normal and first texture coordinate of each vertex; the rest of the file's
// vertex is dropped.
VertexBuffer* uploadVertices(Core& core, const std::vector<ModelVertex>& vertices) {
    VertexBuffer* vb =
        core.createVertexBuffer(static_cast<int32_t>(vertices.size()), VertexFormat(kFileLayout), false);
    if (!vb) return nullptr;
    auto* out = static_cast<float*>(vb->lockForWrite());
    for (const ModelVertex& v : vertices) {
        *out++ = v.position[0];
        *out++ = v.position[1];
        *out++ = v.position[2];
        *out++ = v.normal[0];
        *out++ = v.normal[1];
        *out++ = v.normal[2];
        *out++ = v.uv0[0];
        *out++ = v.uv0[1];
    }
    vb->unlock();
    return vb;
}

IndexBuffer* uploadIndices(Core& core, const std::vector<uint32_t>& indices) {
    IndexBuffer* ib = core.createIndexBuffer(static_cast<int32_t>(indices.size()), false);
    if (!ib) return nullptr;
    uint16_t* out = ib->lockForWrite();
    for (uint32_t index : indices) *out++ = static_cast<uint16_t>(index);
    ib->unlock();
    return ib;
}

Mesh* createMesh(Core& core, const ModelMeshData& data, const char* source) {
    // The vertices live in system memory, so an index past them would make every draw
    // read foreign memory.
    for (uint32_t index : data.indices) {
        if (static_cast<uint16_t>(index) >= data.vertices.size()) {
            LOG_ERROR(source << " is damaged: index " << static_cast<uint16_t>(index) << " past its "
                             << data.vertices.size() << " vertices");
            return nullptr;
        }
    }
    VertexBuffer* vertices = uploadVertices(core, data.vertices);
    if (!vertices) return nullptr;
    // Without indices the mesh is drawn from its vertices in order.
    IndexBuffer* indices = nullptr;
    if (!data.indices.empty()) {
        indices = uploadIndices(core, data.indices);
        if (!indices) {
            delete vertices;
            return nullptr;
        }
    }
    Mesh::Textures textures;
    if (!data.texture.empty()) {
        const std::string name = "Textures/" + data.texture;
        auto texture = getResource<Texture>(name.c_str(), "Texture");
        if (texture) {
            textures.push_back(texture);
        } else {
            // The mesh is still usable, only without its picture.
            LOG_ERROR(source << " names the texture " << name << ", which is not loaded");
        }
    }
    return new Mesh(PrimitiveType::Triangles, vertices, indices, std::move(textures));
}

// The vertex format of a batch: the source's, with one more position component.
VertexFormat batchFormat(const VertexFormat& source) {
    VertexFormat format;
    for (int32_t i = 0; i < source.elementCount(); ++i) {
        const VertexElement& e = source.element(i);
        const bool position = e.usage == static_cast<uint32_t>(VertexUsage::Position);
        format.add(static_cast<VertexUsage>(e.usage), e.type, e.count + (position ? 1 : 0));
    }
    return format;
}

// The bytes of a vertex up to the end of its position (none without a position).
size_t positionEnd(const VertexFormat& format) {
    const int32_t offset = format.offsetOf(VertexUsage::Position);
    if (offset < 0) return 0;
    return static_cast<size_t>(offset) +
           static_cast<size_t>(componentTypeSize(format.typeOf(VertexUsage::Position))) *
               format.countOf(VertexUsage::Position);
}

// The source's vertices `copies` times over in the batch's format; the extra position
// component holds the copy's number (zero bytes for a position that is not float).
VertexBuffer* copyVertices(VertexBuffer& source, int32_t copies, Core& core) {
    const VertexFormat& from = source.getFormat();
    const VertexFormat to = batchFormat(from);
    const int32_t n = source.getCount();
    VertexBuffer* vertices = core.createVertexBuffer(n * copies, to, false);
    if (!vertices) return nullptr;
    const size_t head = positionEnd(from);
    const size_t extra = to.stride() - from.stride();
    const bool floatPosition = from.typeOf(VertexUsage::Position) == GL_FLOAT;
    const auto* in = static_cast<const uint8_t*>(source.lockForRead());
    auto* out = static_cast<uint8_t*>(vertices->lockForWrite());
    for (int32_t k = 0; k < copies; ++k) {
        const uint8_t* v = in;
        for (int32_t i = 0; i < n; ++i, v += from.stride()) {
            std::memcpy(out, v, head);
            out += head;
            if (floatPosition) {
                const float copy = static_cast<float>(k);
                std::memcpy(out, &copy, sizeof copy);
            } else {
                std::memset(out, 0, extra);
            }
            out += extra;
            std::memcpy(out, v + head, from.stride() - head);
            out += from.stride() - head;
        }
    }
    vertices->unlock();
    source.unlock();
    return vertices;
}

// The source's indices `copies` times over, each copy's moved on to its own
// `vertexCount` vertices.
IndexBuffer* copyIndices(IndexBuffer& source, int32_t copies, int32_t vertexCount, Core& core) {
    const int32_t count = source.getCount();
    IndexBuffer* indices = core.createIndexBuffer(count * copies, false);
    if (!indices) return nullptr;
    const uint16_t* src = source.lockForRead();
    uint16_t* dst = indices->lockForWrite();
    for (int32_t k = 0; k < copies; ++k) {
        for (int32_t i = 0; i < count; ++i) *dst++ = static_cast<uint16_t>(src[i] + k * vertexCount);
    }
    indices->unlock();
    source.unlock();
    return indices;
}

}  // namespace

bool readModelFile(std::vector<Mesh*>& meshes, InBuffer& in, Core& core) {
    std::vector<ModelMeshData> data;
    const bool complete = readModelData(in, data);
    for (const ModelMeshData& mesh : data) {
        Mesh* made = createMesh(core, mesh, in.name());
        if (!made) return false;
        meshes.push_back(made);
    }
    return complete;
}

Mesh* readMesh(Core& core, InBuffer& in) {
    ModelMeshData data;
    if (!readMeshData(in, data)) return nullptr;
    return createMesh(core, data, in.name());
}

MeshBatch* buildMeshBatch(const Mesh& source, Core& core) {
    constexpr int32_t copies = MeshBatch::kBatchSize;
    VertexBuffer* sourceVertices = source.getVertexBuffer();
    IndexBuffer* sourceIndices = source.getIndexBuffer();
    const int32_t n = sourceVertices->getCount();
    if (n > INT32_MAX / copies) return nullptr;
    // Indices are 16 bits: the last copy's vertices must still be reachable.
    if (sourceIndices && static_cast<int64_t>(n) * copies > 65536) {
        LOG_ERROR("A batch of " << copies << " copies of " << n << " vertices needs indices past 65535");
        return nullptr;
    }
    VertexBuffer* vertices = copyVertices(*sourceVertices, copies, core);
    if (!vertices) return nullptr;
    IndexBuffer* indices = nullptr;
    if (sourceIndices) {
        indices = copyIndices(*sourceIndices, copies, n, core);
        if (!indices) {
            delete vertices;
            return nullptr;
        }
    }
    return new MeshBatch(source.getPrimitiveType(), vertices, indices, source.getTextures());
}

}  // namespace nimbus
