// The ".model" file, loaded as the model loader loads it into the resource manager,
// then walked as drawing walks it: every vertex, and every index looked up among the
// vertices. The mesh is also made into a batch of tiles, as the board's brick is, and
// the batch walked the same way.
#include <memory>

#include "FuzzTarget.h"
#include "core/MemoryInBuffer.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "render/IndexBuffer.h"
#include "render/Loaders.h"
#include "render/Mesh.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"
#include "render/VertexBuffer.h"
#include "render/gl/OglCore.h"

namespace nimbus {
namespace {

void walk(const Mesh& mesh) {
    VertexBuffer& vertices = *mesh.getVertexBuffer();
    const int32_t count = vertices.getCount();
    const uint32_t stride = vertices.getFormat().stride();
    const auto* base = static_cast<const uint8_t*>(vertices.lockForRead());
    touch(base, static_cast<size_t>(count) * stride);
    if (IndexBuffer* indices = mesh.getIndexBuffer()) {
        const uint16_t* index = indices->lockForRead();
        for (int32_t i = 0; i < indices->getCount(); ++i) {
            fuzzCheck(index[i] < count, "an index reaches past the vertices");
            touch(base + static_cast<size_t>(index[i]) * stride, stride);
        }
        indices->unlock();
    }
    vertices.unlock();
}

}  // namespace
}  // namespace nimbus

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbus;
    quietLog();
    // Buffers live in system memory, so a core without a window makes them.
    static OglCore core;
    ResourceManager resources;
    ResourceManager* previous = setResourceManager(&resources);
    MemoryInBuffer in(data, data + size);
    if (loadModel(Path("/Themes/Common/Brick.model"), in, core)) {
        ResourceHandle<Mesh> mesh = getResource<Mesh>("Meshes/Brick", "Mesh");
        fuzzCheck(static_cast<bool>(mesh), "a loaded model is not registered");
        walk(*mesh);
        std::unique_ptr<MeshBatch> batch(buildMeshBatch(*mesh, core));
        if (batch) walk(*batch);
    }
    setResourceManager(previous);
    return 0;
}
