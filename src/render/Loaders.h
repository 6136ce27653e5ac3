#pragma once

namespace nimbus {

class Core;
class InBuffer;
class Path;

// The loaders of the data directory's effects, textures and models: each reads one file
// and registers what it makes in the process-wide resource manager under the category
// and the file's stem ("Shaders/Board", "Textures/backdrop", "Meshes/Dice"). False, with
// the reason logged, when the file is damaged or the core makes nothing; the resource
// registered before under that name then stays.

// The whole file as zero-terminated effect text.
bool loadShader(const Path& file, InBuffer& in, Core& core);
// A ".texture" file.
bool loadTexture(const Path& file, InBuffer& in, Core& core);
// A ".model" file; only its first mesh is kept.
bool loadModel(const Path& file, InBuffer& in, Core& core);

}  // namespace nimbus
