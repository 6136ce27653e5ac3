#include <cstring>

#include "render/fx/Objects.h"

namespace nimbus::fx {

namespace {

bool isVector(ParameterType type) {
    return type == ParameterType::Float || type == ParameterType::Vec2 || type == ParameterType::Vec3 ||
           type == ParameterType::Vec4;
}

// The floats of a parameter that holds one value (a non-array or an array element), or
// null after raising the error for a parameter of the wrong kind.
float* valueOf(Parameter* p, bool wantVector, bool wantMatrix) {
    const bool fits = (wantVector && isVector(p->type)) || (wantMatrix && p->type == ParameterType::Mat4);
    if (!fits || p->arraySize > 0) {
        raise(p->effect->context, kWrongParameterType);
        return nullptr;
    }
    Parameter* owner = p->parent ? p->parent : p;
    ++owner->serial;
    return owner->values.data() + static_cast<size_t>(p->index) * p->components;
}

void setComponents(Parameter* p, const float* source, int count) {
    if (!p) return;
    float* v = valueOf(p, true, false);
    if (!v) return;
    std::memcpy(v, source,
                sizeof(float) * static_cast<size_t>(count < p->components ? count : p->components));
}

}  // namespace

Parameter* namedParameter(Effect* effect, const char* name) {
    if (!effect || !name) return nullptr;
    for (auto& p : effect->parameters) {
        if (p->name == name) return p.get();
    }
    return nullptr;
}

Parameter* parameterBySemantic(Effect* effect, const char* semantic) {
    if (!effect || !semantic || !*semantic) return nullptr;
    for (auto& p : effect->parameters) {
        if (p->semantic == semantic) return p.get();
    }
    return nullptr;
}

void setParameter1f(Parameter* parameter, float x) { setComponents(parameter, &x, 1); }

void setParameter3f(Parameter* parameter, float x, float y, float z) {
    const float v[3] = {x, y, z};
    setComponents(parameter, v, 3);
}

void setParameter4fv(Parameter* parameter, const float* values) { setComponents(parameter, values, 4); }

void setMatrixParameterfc(Parameter* parameter, const float* values) {
    if (!parameter) return;
    float* v = valueOf(parameter, false, true);
    if (v) std::memcpy(v, values, sizeof(float) * 16);
}

int32_t arraySize(Parameter* parameter) { return parameter ? parameter->arraySize : 0; }

Parameter* arrayElement(Parameter* parameter, int32_t index) {
    if (!parameter) return nullptr;
    if (parameter->arraySize == 0) {
        raise(parameter->effect->context, kNotAnArray);
        return nullptr;
    }
    if (index < 0 || index >= parameter->arraySize) {
        raise(parameter->effect->context, kArrayIndexOutOfRange);
        return nullptr;
    }
    return parameter->elements[static_cast<size_t>(index)].get();
}

void setupSampler(Parameter* parameter, uint32_t glTexture) {
    if (!parameter) return;
    if (parameter->type != ParameterType::Sampler2D) {
        raise(parameter->effect->context, kWrongParameterType);
        return;
    }
    parameter->texture = glTexture;
}

void disableSampler(Parameter* parameter) { setupSampler(parameter, 0); }

}  // namespace nimbus::fx
