#pragma once

#include <string>
#include <vector>

#include "Image.h"
#include "render/ModelFile.h"

namespace nimbus {

// Reads a ".texture" file through the engine's reader and returns its first level as a
// picture (alpha-only textures as white with their alpha). False, with the file named,
// when it cannot be read.
bool readTextureImage(const std::string& path, Image& image);

// Reads a ".model" file through the engine's reader.
bool readModel(const std::string& path, std::vector<ModelMeshData>& meshes);

}  // namespace nimbus
