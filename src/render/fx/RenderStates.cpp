#include "render/fx/RenderStates.h"

#include <strings.h>

namespace nimbus::fx {

struct NamedValue {
    const char* name;
    GLint value;
};

struct RenderState {
    const char* name;
    StateSyntax syntax;
    // The capability of an enable state, or the GL query of the others.
    GLenum cap;
    // The names the value may take, ending in a null name.
    const NamedValue* names;
    void (*save)(const RenderState& state, StateValue& value);
    void (*apply)(const RenderState& state, const StateValue& value);
};

namespace {

const NamedValue kBlendFactors[] = {
    {"Zero", GL_ZERO},          {"One", GL_ONE},
    {"SrcAlpha", GL_SRC_ALPHA}, {"OneMinusSrcAlpha", GL_ONE_MINUS_SRC_ALPHA},
    {"DstAlpha", GL_DST_ALPHA}, {"OneMinusDstAlpha", GL_ONE_MINUS_DST_ALPHA},
    {"SrcColor", GL_SRC_COLOR}, {"OneMinusSrcColor", GL_ONE_MINUS_SRC_COLOR},
    {"DstColor", GL_DST_COLOR}, {nullptr, 0},
};

const NamedValue kCompareFuncs[] = {
    {"Never", GL_NEVER},   {"Less", GL_LESS},       {"LEqual", GL_LEQUAL},
    {"Equal", GL_EQUAL},   {"Greater", GL_GREATER}, {"NotEqual", GL_NOTEQUAL},
    {"GEqual", GL_GEQUAL}, {"Always", GL_ALWAYS},   {nullptr, 0},
};

const NamedValue kFaces[] = {{"Back", GL_BACK}, {"Front", GL_FRONT}, {nullptr, 0}};

const NamedValue kPolygonModes[] = {{"Fill", GL_FILL}, {"Line", GL_LINE}, {nullptr, 0}};

void saveEnable(const RenderState& s, StateValue& v) { v.ints[0] = glIsEnabled(s.cap); }
void applyEnable(const RenderState& s, const StateValue& v) {
    if (v.ints[0]) {
        glEnable(s.cap);
    } else {
        glDisable(s.cap);
    }
}

void saveInteger(const RenderState& s, StateValue& v) { glGetIntegerv(s.cap, v.ints); }

void saveBlendFunc(const RenderState&, StateValue& v) {
    glGetIntegerv(GL_BLEND_SRC_RGB, &v.ints[0]);
    glGetIntegerv(GL_BLEND_DST_RGB, &v.ints[1]);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &v.ints[2]);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &v.ints[3]);
}
void applyBlendFunc(const RenderState&, const StateValue& v) {
    glBlendFuncSeparate(v.ints[0], v.ints[1], v.ints[2], v.ints[3]);
}

void applyDepthMask(const RenderState&, const StateValue& v) { glDepthMask(v.ints[0] ? GL_TRUE : GL_FALSE); }
void applyDepthFunc(const RenderState&, const StateValue& v) { glDepthFunc(v.ints[0]); }
void applyCullFace(const RenderState&, const StateValue& v) { glCullFace(v.ints[0]); }

// GL reports the front and back modes; a pass gives one for both.
void applyPolygonMode(const RenderState&, const StateValue& v) {
    if (v.ints[1] != v.ints[0]) {
        glPolygonMode(GL_FRONT, v.ints[0]);
        glPolygonMode(GL_BACK, v.ints[1]);
    } else {
        glPolygonMode(GL_FRONT_AND_BACK, v.ints[0]);
    }
}

void saveLineWidth(const RenderState&, StateValue& v) { glGetFloatv(GL_LINE_WIDTH, &v.number); }
void applyLineWidth(const RenderState&, const StateValue& v) { glLineWidth(v.number); }

const RenderState kStates[] = {
    {"BlendEnable", StateSyntax::Boolean, GL_BLEND, nullptr, saveEnable, applyEnable},
    {"BlendFunc", StateSyntax::NamePair, 0, kBlendFactors, saveBlendFunc, applyBlendFunc},
    {"DepthTestEnable", StateSyntax::Boolean, GL_DEPTH_TEST, nullptr, saveEnable, applyEnable},
    {"DepthMask", StateSyntax::Boolean, GL_DEPTH_WRITEMASK, nullptr, saveInteger, applyDepthMask},
    {"DepthFunc", StateSyntax::Name, GL_DEPTH_FUNC, kCompareFuncs, saveInteger, applyDepthFunc},
    {"CullFaceEnable", StateSyntax::Boolean, GL_CULL_FACE, nullptr, saveEnable, applyEnable},
    {"CullFace", StateSyntax::Name, GL_CULL_FACE_MODE, kFaces, saveInteger, applyCullFace},
    {"PolygonMode", StateSyntax::Name, GL_POLYGON_MODE, kPolygonModes, saveInteger, applyPolygonMode},
    {"LineWidth", StateSyntax::Number, 0, nullptr, saveLineWidth, applyLineWidth},
};

}  // namespace

const RenderState* findRenderState(const std::string& name) {
    for (const RenderState& state : kStates) {
        if (strcasecmp(state.name, name.c_str()) == 0) return &state;
    }
    return nullptr;
}

const char* stateName(const RenderState& state) { return state.name; }

StateSyntax stateSyntax(const RenderState& state) { return state.syntax; }

bool stateNameValue(const RenderState& state, const std::string& name, GLint& value) {
    for (const NamedValue* n = state.names; n && n->name; ++n) {
        if (strcasecmp(n->name, name.c_str()) == 0) {
            value = n->value;
            return true;
        }
    }
    return false;
}

void saveState(const RenderState& state, StateValue& value) { state.save(state, value); }

void applyState(const RenderState& state, const StateValue& value) { state.apply(state, value); }

}  // namespace nimbus::fx
