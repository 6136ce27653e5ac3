#include "MeshBuilder.h"

namespace nimbus {

int MeshBuilder::addVertex(const Vector3& position, const Vector3& normal) {
    vertices_.push_back({position, normalise(normal), 0.0f, 0.0f, false});
    return static_cast<int>(vertices_.size() - 1);
}

int MeshBuilder::addVertex(const Vector3& position, const Vector3& normal, float u, float v) {
    vertices_.push_back({position, normalise(normal), u, v, true});
    return static_cast<int>(vertices_.size() - 1);
}

void MeshBuilder::addTriangle(int a, int b, int c) {
    const BuiltVertex& va = vertices_[static_cast<size_t>(a)];
    const BuiltVertex& vb = vertices_[static_cast<size_t>(b)];
    const BuiltVertex& vc = vertices_[static_cast<size_t>(c)];
    const Vector3 face = cross(vb.position - va.position, vc.position - va.position);
    if (length(face) < 1e-10f) return;
    if (dot(face, va.normal + vb.normal + vc.normal) < 0.0f) std::swap(b, c);
    indices_.insert(indices_.end(),
                    {static_cast<uint32_t>(a), static_cast<uint32_t>(b), static_cast<uint32_t>(c)});
}

void MeshBuilder::addQuad(int a, int b, int c, int d) {
    addTriangle(a, b, c);
    addTriangle(a, c, d);
}

void MeshBuilder::append(const MeshBuilder& other, const Matrix44& placement,
                         const Matrix44& normalPlacement) {
    const uint32_t base = static_cast<uint32_t>(vertices_.size());
    for (BuiltVertex v : other.vertices_) {
        v.position = transformPoint(v.position, placement);
        v.normal = normalise(transformDirection(v.normal, normalPlacement));
        vertices_.push_back(v);
    }
    for (uint32_t i : other.indices_) indices_.push_back(base + i);
}

void MeshBuilder::translate(const Vector3& offset) {
    for (BuiltVertex& v : vertices_) v.position += offset;
}

ModelMeshData MeshBuilder::toModelData(const std::string& texture) const {
    ModelMeshData mesh;
    mesh.texture = texture;
    mesh.indices = indices_;
    mesh.vertices.reserve(vertices_.size());
    for (const BuiltVertex& v : vertices_) {
        ModelVertex out;
        out.position[0] = v.position.x;
        out.position[1] = v.position.y;
        out.position[2] = v.position.z;
        out.normal[0] = v.normal.x;
        out.normal[1] = v.normal.y;
        out.normal[2] = v.normal.z;
        out.uv0[0] = v.u;
        out.uv0[1] = v.v;
        mesh.vertices.push_back(out);
    }
    return mesh;
}

}  // namespace nimbus
