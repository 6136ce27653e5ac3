#pragma once

#include "render/fx/Fx.h"

namespace nimbus {

class VertexBuffer;

// Feeds a vertex buffer to the vertex program of a pass: each element whose usage has a
// semantic goes to the program's first input of that semantic (letter case ignored).
// Elements the program does not take, and TexCoord1, stay unbound.
struct AttributeBinding {
    fx::Program* program = nullptr;
    VertexBuffer* vertices = nullptr;
};

AttributeBinding bindAttributes(fx::Pass* pass, VertexBuffer& vertices);
void unbindAttributes(const AttributeBinding& binding);

}  // namespace nimbus
