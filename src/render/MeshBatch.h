#pragma once

#include "render/Mesh.h"

namespace nimbus {

// A mesh whose geometry repeats a source mesh kBatchSize times, each copy carrying its
// copy number 0 .. 11 in the fourth position component, so that one draw places twelve
// copies through per-copy palettes of the effect.
class MeshBatch : public Mesh {
public:
    static constexpr int32_t kBatchSize = 12;

    MeshBatch(PrimitiveType type, VertexBuffer* vertices, IndexBuffer* indices, Textures textures)
        : Mesh(type, vertices, indices, std::move(textures)) {}

    int32_t getBatchSize() const { return kBatchSize; }
};

// Registers a mesh batch (may be null) as a "MeshBatch" resource under the name.
bool registerMeshBatch(const char* name, MeshBatch* batch);

}  // namespace nimbus
