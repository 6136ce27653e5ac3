// The effect runtime in a small window, seen through GL state and the pixels drawn.
#include <GL/glew.h>

#include <string>
#include <tuple>
#include <vector>

#include "render/fx/Fx.h"
#include "support/GlWindowTest.h"
#include "support/Golden.h"

using namespace nimbus;

namespace {

// A vertex program that passes POSITION through and a fragment program of one colour.
const std::string kPrograms = R"(
vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = vec4(position.xyz, 1.0); } }
fragment FS { void main() { gl_FragColor = g_color; } }
)";

// Each test gets a context with render states whose errors it counts.
class FxTest : public GlWindowTest {
protected:
    static constexpr int kSize = 32;
    static void SetUpTestSuite() { openWindow(kSize, kSize); }
    void SetUp() override {
        GlWindowTest::SetUp();
        context_ = fx::createContext();
        fx::registerStates(context_);
        fx::setErrorHandler(
            context_, [](int, void *user) { ++*static_cast<int *>(user); }, &errors_);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
    }
    void TearDown() override {
        fx::destroyEffect(effect_);
        fx::destroyContext(context_);
        GlWindowTest::TearDown();
    }

    // Validates every technique; fails the test when the text does not compile.
    void compile(const std::string &text) {
        effect_ = fx::createEffect(context_, text.c_str());
        const char *listing = fx::lastListing(context_);
        ASSERT_NE(effect_, nullptr) << (listing ? listing : "no listing");
        for (fx::Technique *t = fx::firstTechnique(effect_); t; t = fx::nextTechnique(t))
            fx::validateTechnique(t);
    }
    fx::Parameter *parameter(const char *name) { return fx::namedParameter(effect_, name); }
    // One error was raised since errors_ was cleared, and reading it clears it.
    void expectOneError(int code) {
        EXPECT_EQ(errors_, 1);
        EXPECT_EQ(fx::getError(context_), code);
        EXPECT_EQ(fx::getError(context_), fx::kNoError);
    }
    // A quad over the black window through every pass, fed as POSITION; the passes drawn.
    int draw(const char *technique) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const float corners[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
        int passes = 0;
        for (fx::Pass *pass = fx::firstPass(fx::namedTechnique(effect_, technique)); fx::isPass(pass);
             pass = fx::nextPass(pass), ++passes) {
            fx::setPassState(pass);
            fx::Input *position = fx::firstInput(fx::passVertexProgram(pass));
            fx::setInputPointer(position, 3, GL_FLOAT, 12, corners);
            fx::enableInput(position);
            glDrawArrays(GL_QUADS, 0, 4);
            fx::disableInput(position);
            fx::resetPassState(pass);
        }
        return passes;
    }

    fx::Context *context_ = nullptr;
    fx::Effect *effect_ = nullptr;
    int errors_ = 0;
};

GLint integer(GLenum what) {
    GLint v[2] = {0, 0};
    glGetIntegerv(what, v);
    return v[0];
}

// Each damage gives one error and a listing of one line that names the line of the fault.
TEST_F(FxTest, DamagedEffectsAreRefusedWithTheLineInTheListing) {
    // A technique's text is followed by the programs it names.
    const std::string pass = "technique T {\n pass { VertexProgram = VS; FragmentProgram = FS;\n ";
    const std::vector<std::string> sources(
        {"uniform vec4 a;\n\nuniform vec4 b\nvertex", "\nvertex VS { void main() { } /* }\n",
         "\n/* never closed", "/* one\n two */ uniform vec4 a\nvertex", "uniform vec4 a[0];",
         "\nvertex VS { attribute vec4 3; void main() { } }", "uniform ivec4 a;", "texture t;",
         pass + "Blend = true; } }", "technique T {\n pass { VertexProgram VS; } }",
         pass + "DepthFunc = Sometimes; } }", pass + "DepthFunc = 3; } }",
         pass + "BlendFunc = (One, Two); } }",
         "technique T {\n pass p { VertexProgram = VS;\n FragmentProgram = Missing; } }",
         "technique T {\n pass p { VertexProgram = FS; FragmentProgram = FS; } }",
         "technique T {\n pass p { VertexProgram = VS; } }", "technique T { }"});
    std::string listings;
    for (const std::string &source : sources) {
        SCOPED_TRACE(source);
        errors_ = 0;
        const std::string text = source + (source.rfind("technique", 0) == 0 ? kPrograms : "");
        EXPECT_EQ(fx::createEffect(context_, text.c_str()), nullptr);
        listings += fx::lastListing(context_);
        expectOneError(fx::kCompileFailed);
    }
    EXPECT_TRUE(matchesGolden(listings, 0xb23beee0f3cd6a0cull));
    // Render states need a context that registered them.
    fx::Context *bare = fx::createContext();
    const std::string states = pass + "BlendEnable = true; } }" + kPrograms;
    EXPECT_EQ(fx::createEffect(bare, states.c_str()), nullptr);
    EXPECT_NE(std::string(fx::lastListing(bare)).find("no render states"), std::string::npos);
    fx::destroyContext(bare);
    compile("uniform vec4 g_color;" + states);
}

TEST_F(FxTest, ProgramsThatDoNotCompileOrLinkLeaveTheirTechniqueUnvalidatedAndSayWhy) {
    compile(R"(uniform vec4 g_color;
vertex Bad {
    attribute vec4 position : POSITION;
    void main() { gl_Position = position;
        undeclared = 1.0; } }
fragment Unresolved { vec4 shade(); void main() { gl_FragColor = shade(); } }
technique Uncompiled { pass { VertexProgram = Bad; FragmentProgram = FS; } }
technique Broken { pass first { VertexProgram = VS; FragmentProgram = Unresolved; } }
technique Works { pass { VertexProgram = VS; FragmentProgram = FS; } }
)" + kPrograms);
    const std::pair<const char *, std::vector<const char *>> cases[] = {
        {"Uncompiled", {"line 2: program Bad does not compile", "0:5(", "undeclared"}},
        {"Broken", {"line 8: pass first of technique Broken does not link", "shade"}}};
    for (const auto &[technique, pieces] : cases) {
        fx::Technique *t = fx::namedTechnique(effect_, technique);
        EXPECT_FALSE(fx::isTechniqueValidated(t) || fx::validateTechnique(t)) << technique;
        const std::string listing = fx::lastListing(context_) ? fx::lastListing(context_) : "";
        for (const char *piece : pieces) EXPECT_NE(listing.find(piece), std::string::npos) << listing;
    }
    EXPECT_TRUE(fx::isTechniqueValidated(fx::namedTechnique(effect_, "Works")));
    // Setting an unvalidated pass does nothing but raise an error.
    errors_ = 0;
    fx::setPassState(fx::firstPass(fx::namedTechnique(effect_, "Broken")));
    expectOneError(fx::kNotValidated);
}

// Inputs keep their order and semantics past comments. A value set once serves every pass,
// a new one reaches passes that already ran; arrays, samplers and matrices reach theirs.
TEST_F(FxTest, InputsAndValuesReachTheirProgramsAndMisusedParametersChangeNothing) {
    compile(R"(// a comment first
uniform vec4 g_color;
uniform mat4 g_place : WORLD;
uniform vec4 g_palette[3];
uniform float g_one[1];
uniform float g_pick;
uniform sampler2D g_first;
uniform sampler2D g_second;
vertex Textured {
    attribute vec4 position : POSITION; /* a } in a comment */
    attribute vec2 uv : texcoord0;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment Sampled { void main() { gl_FragColor = texture2D(g_first, vec2(0.5)) + texture2D(g_second, vec2(0.5)) + g_one[0]; } }
technique Double {
    pass { VertexProgram = VS; FragmentProgram = FS; }
    pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; BlendFunc = (SrcAlpha, One); }
}
technique T { pass { VertexProgram = Textured; FragmentProgram = Sampled; } }
)" + kPrograms);
    fx::Technique *t = fx::namedTechnique(effect_, "T");
    std::vector<std::string> semantics;
    for (fx::Input *in = fx::firstInput(fx::passVertexProgram(fx::firstPass(t))); in; in = fx::nextInput(in))
        semantics.push_back(fx::inputSemantic(in));
    EXPECT_EQ(semantics, (std::vector<std::string>{"POSITION", "texcoord0"}));
    EXPECT_EQ(fx::firstTechnique(effect_), fx::namedTechnique(effect_, "Double"));
    EXPECT_TRUE(fx::isTechniqueValidated(t) && !fx::nextPass(fx::firstPass(t)) &&
                !fx::namedTechnique(effect_, "t") && !fx::lastListing(context_));
    const float half[4] = {0.5f, 0.5f, 0.0f, 0.5f};
    fx::setParameter4fv(parameter("g_color"), half);
    EXPECT_EQ(draw("Double"), 2);
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(191, 191, 0, 255)));
    fx::setParameter3f(parameter("g_color"), 0.0f, 0.0f, 0.5f);  // alpha stays 0.5
    draw("Double");
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(0, 0, 191, 255)));
    // After a pass no unit keeps a texture of the effect.
    fx::setupSampler(parameter("g_first"), 1);
    fx::setupSampler(parameter("g_second"), 2);
    draw("T");
    for (GLenum unit : {GL_TEXTURE1, GL_TEXTURE0}) {
        glActiveTexture(unit);
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0);
    }
    EXPECT_EQ(errors_, 0);

    const std::tuple<const char *, void (*)(fx::Parameter *), int> misuses[] = {
        {"g_place", [](fx::Parameter *p) { fx::setParameter1f(p, 1.0f); }, fx::kWrongParameterType},
        {"g_pick", [](fx::Parameter *p) { fx::setMatrixParameterfc(p, nullptr); }, fx::kWrongParameterType},
        {"g_palette", [](fx::Parameter *p) { fx::setParameter3f(p, 1, 2, 3); }, fx::kWrongParameterType},
        {"g_pick", [](fx::Parameter *p) { fx::setupSampler(p, 1); }, fx::kWrongParameterType},
        {"g_palette", [](fx::Parameter *p) { fx::arrayElement(p, 3); }, fx::kArrayIndexOutOfRange},
        {"g_palette", [](fx::Parameter *p) { fx::arrayElement(p, -1); }, fx::kArrayIndexOutOfRange},
        {"g_pick", [](fx::Parameter *p) { fx::arrayElement(p, 0); }, fx::kNotAnArray},
    };
    for (const auto &[name, misuse, code] : misuses) {
        errors_ = 0;
        misuse(parameter(name));
        expectOneError(code);
    }
    EXPECT_EQ(std::make_pair(fx::arraySize(parameter("g_palette")), fx::arraySize(parameter("g_pick"))),
              std::make_pair(3, 0));
    EXPECT_EQ(parameter("g_missing"), nullptr);
    EXPECT_EQ(
        std::make_pair(fx::parameterBySemantic(effect_, "WORLD"), fx::parameterBySemantic(effect_, "world")),
        std::make_pair(parameter("g_place"), static_cast<fx::Parameter *>(nullptr)));
}

TEST_F(FxTest, APassPutsBackEveryStateItSetAndOnlyThose) {
    compile("uniform vec4 g_color;" + kPrograms + R"(
technique Everything {
    pass { VertexProgram = VS; FragmentProgram = FS;
           BlendEnable = true; BlendFunc = (DstColor, Zero);
           DepthTestEnable = true; DepthMask = false; DepthFunc = Always;
           CullFaceEnable = true; CullFace = Front; PolygonMode = Line; LineWidth = 3.0; }
}
technique Plain { pass { VertexProgram = VS; FragmentProgram = FS; } }
technique Flat { pass { VertexProgram = VS; FragmentProgram = FS; DepthTestEnable = false; } }
)");
    glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_SRC_ALPHA, GL_ONE);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glUseProgram(0);
    const GLint any = -1;
    const std::tuple<GLenum, GLint, GLint> states[] = {
        {GL_BLEND, GL_TRUE, GL_FALSE},           {GL_BLEND_SRC_RGB, GL_DST_COLOR, GL_ONE},
        {GL_BLEND_DST_RGB, any, GL_ZERO},        {GL_BLEND_SRC_ALPHA, GL_DST_COLOR, GL_SRC_ALPHA},
        {GL_BLEND_DST_ALPHA, GL_ZERO, GL_ONE},   {GL_DEPTH_TEST, GL_TRUE, GL_FALSE},
        {GL_DEPTH_WRITEMASK, GL_FALSE, GL_TRUE}, {GL_DEPTH_FUNC, GL_ALWAYS, GL_LESS},
        {GL_CULL_FACE, GL_TRUE, GL_FALSE},       {GL_CULL_FACE_MODE, GL_FRONT, GL_BACK},
        {GL_POLYGON_MODE, GL_LINE, GL_FILL},     {GL_LINE_WIDTH, 3, 1},
    };
    fx::Pass *pass = fx::firstPass(fx::namedTechnique(effect_, "Everything"));
    fx::setPassState(pass);
    EXPECT_NE(integer(GL_CURRENT_PROGRAM), 0);
    for (const auto &[what, set, before] : states)
        EXPECT_TRUE(set == any || integer(what) == set) << std::hex << what;
    fx::resetPassState(pass);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    for (const auto &[what, set, before] : states) EXPECT_EQ(integer(what), before) << std::hex << what;
    glBlendFunc(GL_ONE, GL_ZERO);

    // A state the pass does not set is left as it is; one it turns off comes back on.
    glEnable(GL_DEPTH_TEST);
    for (const char *name : {"Plain", "Flat"}) {
        glDepthFunc(GL_GREATER);
        fx::Pass *other = fx::firstPass(fx::namedTechnique(effect_, name));
        fx::setPassState(other);
        EXPECT_EQ(std::make_pair(integer(GL_DEPTH_FUNC), integer(GL_DEPTH_TEST)),
                  std::make_pair(GL_GREATER, name[0] == 'P' ? 1 : 0))
            << name;
        glDepthFunc(GL_EQUAL);
        fx::resetPassState(other);
        EXPECT_EQ(std::make_pair(integer(GL_DEPTH_FUNC), integer(GL_DEPTH_TEST)), std::make_pair(GL_EQUAL, 1))
            << name;
    }
    glDepthFunc(GL_LESS);
}

}  // namespace
