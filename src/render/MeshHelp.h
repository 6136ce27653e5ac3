#pragma once

#include <vector>

namespace nimbus {

class Core;
class InBuffer;
class Mesh;
class MeshBatch;

// Reading ".model" files into meshes, and building mesh batches. Everything returned is
// owned by the caller. A damaged file is reported with the buffer's name and refused
// before anything is allocated for it.

// Reads a whole model file, appending its meshes. On false the meshes read so far are in
// the list for the caller to delete.
bool readModelFile(std::vector<Mesh*>& meshes, InBuffer& in, Core& core);

// Reads one mesh record into a new triangle mesh whose texture list holds
// "Textures/" + the record's texture name when that is loaded. A record without indices
// gives a mesh without an index buffer. Null on a short or damaged record (one whose
// indices, cut to 16 bits, reach past its vertices, too) or when the core makes no buffer.
Mesh* readMesh(Core& core, InBuffer& in);

// A batch of twelve copies of the mesh: positions gain the copy number as a fourth
// component, indices of copy k are offset by k × the vertex count. The source is left as
// it is. Null when the core makes no buffer or the copies would need indices past 65535.
MeshBatch* buildMeshBatch(const Mesh& source, Core& core);

}  // namespace nimbus
