#include "render/Shader.h"

#include "core/ResourceManager.h"

namespace nimbus {

bool registerShader(const char* name, Shader* shader) { return registerResource(name, shader, "Shader"); }

}  // namespace nimbus
