#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

class InBuffer;
class OutBuffer;

// One vertex as a ".model" file stores it: 11 floats.
struct ModelVertex {
    float position[4] = {0, 0, 0, 1};
    float normal[3] = {0, 1, 0};
    float uv0[2] = {0, 0};
    float uv1[2] = {0, 0};
};

// One mesh record of a ".model" file. `texture` is the diffuse texture's name without
// directory and extension; empty for none.
struct ModelMeshData {
    std::vector<ModelVertex> vertices;
    std::vector<uint32_t> indices;
    std::string texture;
};

// Reads a whole ".model" file into plain data. Wrong header or vertex-format strings,
// a wrong mesh magic, or counts that need more bytes than remain are reported with the
// buffer's name and refused before anything is allocated for them. On false the meshes
// read so far stay in `meshes`.
bool readModelData(InBuffer& in, std::vector<ModelMeshData>& meshes);

// Reads one mesh record; false at a short or damaged record (see readModelData).
bool readMeshData(InBuffer& in, ModelMeshData& mesh);

// Writes a ".model" file; false when the sink refuses bytes.
bool writeModelFile(OutBuffer& out, const std::vector<ModelMeshData>& meshes);

}  // namespace nimbus
