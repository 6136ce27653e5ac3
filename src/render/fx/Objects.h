#pragma once

#include <GL/glew.h>

#include <memory>
#include <string>
#include <vector>

#include "render/fx/Fx.h"
#include "render/fx/RenderStates.h"

// The runtime's objects behind the handles of Fx.h. Only the runtime's own files see them.
namespace nimbus::fx {

struct Context {
    ErrorHandler handler = nullptr;
    void* user = nullptr;
    int error = kNoError;
    std::string listing;
    bool statesRegistered = false;
};

enum class ParameterType { Float, Vec2, Vec3, Vec4, Mat4, Sampler2D };

struct Parameter {
    Effect* effect = nullptr;
    std::string name;
    std::string semantic;
    ParameterType type = ParameterType::Float;
    // Floats per element (0 for a sampler).
    int components = 0;
    // Declared element count; 0 for a non-array.
    int32_t arraySize = 0;
    // Position among the effect's parameters, which indexes each pass's upload tables.
    size_t ordinal = 0;
    // The values of every element, back to back; they are the effect's and outlive passes.
    std::vector<float> values;
    // Bumped on every change, so a pass uploads only what changed since it last ran.
    uint32_t serial = 0;
    // Samplers: the texture and the unit it is bound to during a pass.
    GLuint texture = 0;
    int unit = -1;
    // Arrays: one handle per element, each pointing back at this parameter.
    std::vector<std::unique_ptr<Parameter>> elements;
    Parameter* parent = nullptr;
    int32_t index = 0;
};

struct Input {
    Program* program = nullptr;
    std::string name;
    std::string semantic;
    // Bound before linking, so it is the same in every pass that uses the program.
    GLuint location = 0;
    Input* next = nullptr;
};

struct Program {
    Effect* effect = nullptr;
    std::string name;
    bool vertex = false;
    // The GLSL the program compiles: header, parameters, shared code, its own block.
    std::string source;
    int line = 0;
    GLuint shader = 0;
    bool compileTried = false;
    bool compiled = false;
    std::vector<std::unique_ptr<Input>> inputs;
};

struct Pass {
    Technique* technique = nullptr;
    std::string name;
    int line = 0;
    Program* vertex = nullptr;
    Program* fragment = nullptr;
    std::vector<StateAssignment> states;
    // What each state held before setPassState, for resetPassState.
    std::vector<StateValue> saved;
    GLuint program = 0;
    bool linkTried = false;
    bool linked = false;
    // Per parameter ordinal: the uniform location (-1 when unused) and the serial last sent.
    std::vector<GLint> locations;
    std::vector<uint32_t> uploaded;
    Pass* next = nullptr;
};

struct Technique {
    Effect* effect = nullptr;
    std::string name;
    bool validated = false;
    std::vector<std::unique_ptr<Pass>> passes;
    Technique* next = nullptr;
};

struct Effect {
    Context* context = nullptr;
    std::vector<std::unique_ptr<Parameter>> parameters;
    std::vector<std::unique_ptr<Program>> programs;
    std::vector<std::unique_ptr<Technique>> techniques;
    // The samplers in declaration order; a sampler's unit is its place here.
    std::vector<Parameter*> samplers;
};

// Raises an error in the context: records it and calls the handler.
void raise(Context* context, int code);

}  // namespace nimbus::fx
