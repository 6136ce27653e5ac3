#include "render/MeshBatch.h"

#include "core/ResourceManager.h"

namespace nimbus {

bool registerMeshBatch(const char* name, MeshBatch* batch) {
    return registerResource(name, batch, "MeshBatch");
}

}  // namespace nimbus
