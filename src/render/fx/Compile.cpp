#include <strings.h>

#include <new>

#include "render/fx/Objects.h"
#include "render/fx/Parser.h"

namespace nimbus::fx {

namespace {

std::string shaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) glGetShaderInfoLog(shader, length, nullptr, &log[0]);
    return log.c_str();
}

std::string programLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::string log(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0) glGetProgramInfoLog(program, length, nullptr, &log[0]);
    return log.c_str();
}

// Compiles a program once; a failure is remembered and its log listed each time it is asked for.
bool compile(Program& p, std::string& listing) {
    if (!p.compileTried) {
        p.compileTried = true;
        p.shader = glCreateShader(p.vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER);
        const char* source = p.source.c_str();
        glShaderSource(p.shader, 1, &source, nullptr);
        glCompileShader(p.shader);
        GLint ok = GL_FALSE;
        glGetShaderiv(p.shader, GL_COMPILE_STATUS, &ok);
        p.compiled = ok == GL_TRUE;
    }
    if (!p.compiled) {
        listing += "line " + std::to_string(p.line) + ": program " + p.name + " does not compile:\n" +
                   shaderLog(p.shader);
    }
    return p.compiled;
}

// Attribute locations are fixed before linking: POSITION at 0, the others after it in
// declaration order, so an input has one location in every pass of its program.
void bindInputs(Program& vertex, GLuint program) {
    GLuint location = 1;
    for (auto& input : vertex.inputs) {
        input->location = strcasecmp(input->semantic.c_str(), "POSITION") == 0 ? 0 : location++;
        glBindAttribLocation(program, input->location, input->name.c_str());
    }
}

// After a link: where each parameter lives in the program, and the sampler units, which
// never change.
void findUniforms(Pass& pass, Effect& effect) {
    pass.locations.assign(effect.parameters.size(), -1);
    pass.uploaded.assign(effect.parameters.size(), 0);
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    glUseProgram(pass.program);
    for (auto& p : effect.parameters) {
        const GLint location = glGetUniformLocation(pass.program, p->name.c_str());
        pass.locations[p->ordinal] = location;
        if (p->type == ParameterType::Sampler2D && location >= 0) glUniform1i(location, p->unit);
    }
    glUseProgram(static_cast<GLuint>(previous));
}

bool link(Pass& pass, std::string& listing) {
    if (!pass.linkTried && pass.vertex->compiled && pass.fragment->compiled) {
        pass.linkTried = true;
        pass.program = glCreateProgram();
        glAttachShader(pass.program, pass.vertex->shader);
        glAttachShader(pass.program, pass.fragment->shader);
        bindInputs(*pass.vertex, pass.program);
        glLinkProgram(pass.program);
        GLint ok = GL_FALSE;
        glGetProgramiv(pass.program, GL_LINK_STATUS, &ok);
        pass.linked = ok == GL_TRUE;
        if (pass.linked) findUniforms(pass, *pass.technique->effect);
    }
    if (!pass.linked) {
        listing += "line " + std::to_string(pass.line) + ": pass " + pass.name + " of technique " +
                   pass.technique->name + " does not link:\n" + programLog(pass.program);
    }
    return pass.linked;
}

}  // namespace

Effect* createEffect(Context* context, const char* text) {
    if (!context) return nullptr;
    context->listing.clear();
    Effect* effect = parseEffect(context, text, context->listing);
    if (!effect) raise(context, kCompileFailed);
    return effect;
}

Technique* firstTechnique(Effect* effect) {
    return effect && !effect->techniques.empty() ? effect->techniques.front().get() : nullptr;
}

Technique* nextTechnique(Technique* technique) { return technique ? technique->next : nullptr; }

Technique* namedTechnique(Effect* effect, const char* name) {
    if (!effect || !name) return nullptr;
    for (auto& t : effect->techniques) {
        if (t->name == name) return t.get();
    }
    return nullptr;
}

const char* techniqueName(Technique* technique) { return technique ? technique->name.c_str() : nullptr; }

bool validateTechnique(Technique* technique) {
    if (!technique) return false;
    Context* context = technique->effect->context;
    context->listing.clear();
    bool ok = true;
    for (auto& pass : technique->passes) {
        const bool vertex = compile(*pass->vertex, context->listing);
        const bool fragment = compile(*pass->fragment, context->listing);
        ok = vertex && fragment && link(*pass, context->listing) && ok;
    }
    technique->validated = ok;
    return ok;
}

bool isTechniqueValidated(Technique* technique) { return technique && technique->validated; }

void destroyEffect(Effect* effect) {
    if (!effect) return;
    for (auto& t : effect->techniques) {
        for (auto& pass : t->passes) {
            if (pass->program) glDeleteProgram(pass->program);
        }
    }
    for (auto& p : effect->programs) {
        if (p->shader) glDeleteShader(p->shader);
    }
    delete effect;
}

}  // namespace nimbus::fx
