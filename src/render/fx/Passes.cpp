#include "render/fx/Objects.h"

namespace nimbus::fx {

namespace {

void upload(const Parameter& p, GLint location) {
    const GLsizei n = p.arraySize > 0 ? p.arraySize : 1;
    const float* v = p.values.data();
    switch (p.type) {
        case ParameterType::Float:
            glUniform1fv(location, n, v);
            break;
        case ParameterType::Vec2:
            glUniform2fv(location, n, v);
            break;
        case ParameterType::Vec3:
            glUniform3fv(location, n, v);
            break;
        case ParameterType::Vec4:
            glUniform4fv(location, n, v);
            break;
        case ParameterType::Mat4:
            glUniformMatrix4fv(location, n, GL_FALSE, v);
            break;
        case ParameterType::Sampler2D:
            // Its unit was set at link time; the texture is bound per pass.
            break;
    }
}

// Binds each sampler the pass's program uses to its unit: its texture, or none.
void bindSamplers(const Pass& pass, bool bind) {
    const Effect& effect = *pass.technique->effect;
    if (effect.samplers.empty()) return;
    for (const Parameter* s : effect.samplers) {
        if (pass.locations[s->ordinal] < 0) continue;
        glActiveTexture(GL_TEXTURE0 + s->unit);
        glBindTexture(GL_TEXTURE_2D, bind ? s->texture : 0);
    }
    glActiveTexture(GL_TEXTURE0);
}

}  // namespace

Pass* firstPass(Technique* technique) {
    return technique && !technique->passes.empty() ? technique->passes.front().get() : nullptr;
}

bool isPass(Pass* pass) { return pass != nullptr; }

Pass* nextPass(Pass* pass) { return pass ? pass->next : nullptr; }

void setPassState(Pass* pass) {
    if (!pass) return;
    Effect& effect = *pass->technique->effect;
    if (!pass->linked) {
        raise(effect.context, kNotValidated);
        return;
    }
    glUseProgram(pass->program);
    for (auto& p : effect.parameters) {
        const GLint location = pass->locations[p->ordinal];
        if (location < 0 || pass->uploaded[p->ordinal] == p->serial) continue;
        upload(*p, location);
        pass->uploaded[p->ordinal] = p->serial;
    }
    bindSamplers(*pass, true);
    pass->saved.resize(pass->states.size());
    for (size_t i = 0; i < pass->states.size(); ++i) {
        saveState(*pass->states[i].state, pass->saved[i]);
        applyState(*pass->states[i].state, pass->states[i].value);
    }
    if (glGetError() != GL_NO_ERROR) raise(effect.context, kGlError);
}

void resetPassState(Pass* pass) {
    if (!pass || !pass->linked) return;
    for (size_t i = pass->states.size(); i-- > 0;) applyState(*pass->states[i].state, pass->saved[i]);
    bindSamplers(*pass, false);
    glUseProgram(0);
}

}  // namespace nimbus::fx
