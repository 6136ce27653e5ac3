#pragma once

#include <vector>

#include "core/VectorOutBuffer.h"
#include "render/ModelFile.h"

// A mesh of `count` vertices whose position x is the vertex number, with the given
// indices and texture.
inline nimbus::ModelMeshData modelMesh(int count, std::vector<uint32_t> indices, const char* texture = "") {
    nimbus::ModelMeshData mesh;
    for (int i = 0; i < count; ++i) {
        nimbus::ModelVertex v;
        const float f = static_cast<float>(i);
        v = {{f, 10 + f, 20 + f, 99}, {0.25f, 0.5f, 0.75f}, {f / 10, f / 20}, {-1, -2}};
        mesh.vertices.push_back(v);
    }
    mesh.indices = std::move(indices);
    mesh.texture = texture;
    return mesh;
}

inline std::vector<unsigned char> modelFile(const std::vector<nimbus::ModelMeshData>& meshes) {
    nimbus::VectorOutBuffer out;
    nimbus::writeModelFile(out, meshes);
    return out.bytes();
}
