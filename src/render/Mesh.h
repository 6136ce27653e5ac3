#pragma once

#include <cstdint>
#include <vector>

#include "core/ResourceHandle.h"
#include "render/PrimitiveType.h"
#include "render/Texture.h"

namespace nimbus {

class IndexBuffer;
class VertexBuffer;

// A unit of 3-D geometry: a vertex buffer, an optional index buffer, what they make, and
// the textures its file names (the first is the diffuse texture). The mesh owns both
// buffers and deletes them with itself; its handles keep the textures alive.
class Mesh {
public:
    using Textures = std::vector<ResourceHandle<Texture>>;

    // Takes ownership of both buffers; `indices` may be null.
    Mesh(PrimitiveType type, VertexBuffer* vertices, IndexBuffer* indices, Textures textures);
    virtual ~Mesh();
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    PrimitiveType getPrimitiveType() const { return type_; }
    VertexBuffer* getVertexBuffer() const { return vertices_; }
    IndexBuffer* getIndexBuffer() const { return indices_; }
    const Textures& getTextures() const { return textures_; }
    // What a draw of the whole mesh counts: its indices when it has them, else its vertices.
    int32_t getElementCount() const;

private:
    PrimitiveType type_;
    VertexBuffer* vertices_;
    IndexBuffer* indices_;
    Textures textures_;
};

// Registers a mesh (may be null) as a "Mesh" resource under the name.
bool registerMesh(const char* name, Mesh* mesh);

}  // namespace nimbus
