#include "render/Loaders.h"

#include <memory>
#include <string>
#include <vector>

#include "core/InBuffer.h"
#include "core/Path.h"
#include "render/Core.h"
#include "render/Mesh.h"
#include "render/MeshHelp.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/TextureFile.h"

namespace nimbus {

bool loadShader(const Path& file, InBuffer& in, Core& core) {
    const int32_t size = in.bytesLeft();
    std::vector<char> text(static_cast<size_t>(size) + 1, '\0');
    if (in.read(text.data(), size) != size) return false;
    Shader* shader = core.createShader(text.data());
    if (!shader) return false;
    registerShader(("Shaders/" + file.stem()).c_str(), shader);
    return true;
}

bool loadTexture(const Path& file, InBuffer& in, Core& core) {
    TextureHeader header;
    std::vector<uint8_t> pixels;
    if (!readTextureFile(in, header, pixels)) return false;
    Texture* texture = core.createTexture(header, pixels.data(), static_cast<int64_t>(pixels.size()));
    if (!texture) return false;
    registerTexture(("Textures/" + file.stem()).c_str(), texture);
    return true;
}

bool loadModel(const Path& file, InBuffer& in, Core& core) {
    std::vector<Mesh*> made;
    const bool read = readModelFile(made, in, core);
    // Only the first mesh of a file is used; the rest go at once.
    std::vector<std::unique_ptr<Mesh>> meshes(made.begin(), made.end());
    if (!read || meshes.empty() || !meshes.front()) return false;
    registerMesh(("Meshes/" + file.stem()).c_str(), meshes.front().release());
    return true;
}

}  // namespace nimbus
