#include "render/Texture.h"

#include "core/ResourceManager.h"

namespace nimbus {

bool registerTexture(const char* name, Texture* texture) {
    return registerResource(name, texture, "Texture");
}

}  // namespace nimbus
