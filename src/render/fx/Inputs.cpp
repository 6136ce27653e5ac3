#include "render/fx/Objects.h"

namespace nimbus::fx {

Program* passVertexProgram(Pass* pass) { return pass ? pass->vertex : nullptr; }

Input* firstInput(Program* program) {
    return program && !program->inputs.empty() ? program->inputs.front().get() : nullptr;
}

Input* nextInput(Input* input) { return input ? input->next : nullptr; }

const char* inputSemantic(Input* input) { return input ? input->semantic.c_str() : nullptr; }

void setInputPointer(Input* input, int32_t components, uint32_t glType, int32_t stride, const void* address) {
    if (!input) return;
    glVertexAttribPointer(input->location, components, glType,
                          glType == GL_UNSIGNED_BYTE ? GL_TRUE : GL_FALSE, stride, address);
}

void enableInput(Input* input) {
    if (input) glEnableVertexAttribArray(input->location);
}

void disableInput(Input* input) {
    if (input) glDisableVertexAttribArray(input->location);
}

}  // namespace nimbus::fx
