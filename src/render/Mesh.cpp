#include "render/Mesh.h"

#include "core/ResourceManager.h"
#include "render/IndexBuffer.h"
#include "render/VertexBuffer.h"

namespace nimbus {

Mesh::Mesh(PrimitiveType type, VertexBuffer* vertices, IndexBuffer* indices, Textures textures)
    : type_(type), vertices_(vertices), indices_(indices), textures_(std::move(textures)) {}

Mesh::~Mesh() {
    delete indices_;
    delete vertices_;
}

int32_t Mesh::getElementCount() const {
    if (indices_) return indices_->getCount();
    return vertices_ ? vertices_->getCount() : 0;
}

bool registerMesh(const char* name, Mesh* mesh) { return registerResource(name, mesh, "Mesh"); }

}  // namespace nimbus
