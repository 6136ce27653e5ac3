#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/math/Matrix44.h"
#include "core/math/Vector3.h"
#include "render/ModelFile.h"

namespace nimbus {

struct BuiltVertex {
    Vector3 position;
    Vector3 normal;  // unit length, pointing out of the surface
    float u = 0.0f;
    float v = 0.0f;
    bool mapped = false;  // the shape gave texture coordinates of its own
};

// Collects the vertices and triangles of a mesh under construction. Every triangle is
// turned to face the way its corners' normals point (counter-clockwise seen from
// outside, as back-face culling expects), so shapes may list corners in either order;
// triangles without area are left out.
class MeshBuilder {
public:
    int addVertex(const Vector3& position, const Vector3& normal);
    int addVertex(const Vector3& position, const Vector3& normal, float u, float v);
    void addTriangle(int a, int b, int c);
    // Two triangles over the corners a, b, c, d taken in order around the quad.
    void addQuad(int a, int b, int c, int d);
    // Appends another mesh, its positions through `placement` and its normals through
    // the matching normal transform.
    void append(const MeshBuilder& other, const Matrix44& placement, const Matrix44& normalPlacement);
    // Moves every vertex by `offset`.
    void translate(const Vector3& offset);

    std::vector<BuiltVertex>& vertices() { return vertices_; }
    const std::vector<BuiltVertex>& vertices() const { return vertices_; }
    const std::vector<uint32_t>& indices() const { return indices_; }
    // The mesh as a ".model" record naming `texture`.
    ModelMeshData toModelData(const std::string& texture) const;

private:
    std::vector<BuiltVertex> vertices_;
    std::vector<uint32_t> indices_;
};

}  // namespace nimbus
