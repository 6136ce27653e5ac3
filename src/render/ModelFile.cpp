#include "render/ModelFile.h"

#include <cstring>

#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"

namespace nimbus {

namespace {

const char kHeader[] = "Nimbus MayaModel [v1.0]";
const char kVertexFormat[] = "Position Normal Uv0 Uv1";
const char kMeshMagic[] = "Mesh";  // with its zero byte: 5 bytes
constexpr int64_t kVertexBytes = 11 * 4;
constexpr int64_t kSmallestMesh = 5 + 4 + 4 + 4;
static_assert(sizeof(ModelVertex) == kVertexBytes, "a vertex is read and written as its 11 floats");

bool fits(InBuffer& in, int64_t count, int64_t each, const char* what) {
    if (count * each <= in.bytesLeft()) return true;
    LOG_ERROR(in.name() << " is damaged: " << count << " " << what << " need more than the " << in.bytesLeft()
                        << " bytes left");
    return false;
}

}  // namespace

bool readMeshData(InBuffer& in, ModelMeshData& mesh) {
    char magic[5];
    if (in.read(magic, 5) < 5) return false;
    if (std::memcmp(magic, kMeshMagic, 5) != 0) {
        LOG_ERROR(in.name() << " is not a dice model file");
        return false;
    }
    uint32_t vertexCount = 0;
    in >> vertexCount;
    if (!fits(in, vertexCount, kVertexBytes, "vertices")) return false;
    mesh.vertices.resize(vertexCount);
    for (ModelVertex& v : mesh.vertices) {
        in.read(&v, static_cast<int32_t>(sizeof v));
    }
    uint32_t indexCount = 0;
    in >> indexCount;
    if (!fits(in, indexCount, 4, "indices")) return false;
    mesh.indices.resize(indexCount);
    in.read(mesh.indices.data(), static_cast<int32_t>(indexCount * 4));
    uint32_t textureCount = 0;
    in >> textureCount;
    mesh.texture.clear();
    if (textureCount > 0) in >> mesh.texture;
    return true;
}

bool readModelData(InBuffer& in, std::vector<ModelMeshData>& meshes) {
    std::string header, format;
    in >> header;
    if (header != kHeader) {
        LOG_ERROR(in.name() << " is not a mayamodel file");
        return false;
    }
    in >> format;
    if (format != kVertexFormat) {
        LOG_ERROR(in.name() << " has unknown vertexformat");
        return false;
    }
    uint32_t meshCount = 0;
    in >> meshCount;
    if (!fits(in, meshCount, kSmallestMesh, "meshes")) return false;
    meshes.reserve(meshes.size() + meshCount);
    for (uint32_t i = 0; i < meshCount; ++i) {
        ModelMeshData mesh;
        if (!readMeshData(in, mesh)) return false;
        meshes.push_back(std::move(mesh));
    }
    return true;
}

bool writeModelFile(OutBuffer& out, const std::vector<ModelMeshData>& meshes) {
    const int32_t before = out.bytesWritten();
    int64_t expected = sizeof kHeader + sizeof kVertexFormat + 4;
    out << kHeader << kVertexFormat << static_cast<uint32_t>(meshes.size());
    for (const ModelMeshData& mesh : meshes) {
        out.write(kMeshMagic, 5);
        out << static_cast<uint32_t>(mesh.vertices.size());
        for (const ModelVertex& v : mesh.vertices) out.write(&v, static_cast<int32_t>(sizeof v));
        out << static_cast<uint32_t>(mesh.indices.size());
        out.write(mesh.indices.data(), static_cast<int32_t>(mesh.indices.size() * 4));
        out << static_cast<uint32_t>(mesh.texture.empty() ? 0 : 1);
        if (!mesh.texture.empty()) out << mesh.texture;
        expected += 5 + 4 + static_cast<int64_t>(mesh.vertices.size()) * kVertexBytes + 4 +
                    static_cast<int64_t>(mesh.indices.size()) * 4 + 4 +
                    (mesh.texture.empty() ? 0 : static_cast<int64_t>(mesh.texture.size()) + 1);
    }
    return out.bytesWritten() - before == expected;
}

}  // namespace nimbus
