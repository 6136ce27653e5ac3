// The effect runtime on its own in a small window: parsing, parameters, samplers and
// pass states, seen through GL state and the pixels drawn.
#include <GL/glew.h>

#include <string>

#include "render/fx/Fx.h"
#include "support/GlWindowTest.h"

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
            context_, [](int, void* user) { ++*static_cast<int*>(user); }, &errors_);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
    }
    void TearDown() override {
        fx::destroyEffect(effect_);
        fx::destroyContext(context_);
        GlWindowTest::TearDown();
    }

    // Compiles the text and validates every technique; fails the test when it does not compile.
    void compile(const std::string& text) {
        effect_ = fx::createEffect(context_, text.c_str());
        const char* listing = fx::lastListing(context_);
        ASSERT_NE(effect_, nullptr) << (listing ? listing : "no listing");
        for (fx::Technique* t = fx::firstTechnique(effect_); t; t = fx::nextTechnique(t))
            fx::validateTechnique(t);
    }
    fx::Parameter* parameter(const char* name) { return fx::namedParameter(effect_, name); }
    // Clears to the colour, then draws a quad over the window through every pass of the
    // technique, feeding its POSITION input; returns the number of passes drawn.
    int draw(const char* technique, float r = 0, float g = 0, float b = 0) {
        glClearColor(r, g, b, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const float corners[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
        int passes = 0;
        for (fx::Pass* pass = fx::firstPass(fx::namedTechnique(effect_, technique)); fx::isPass(pass);
             pass = fx::nextPass(pass), ++passes) {
            fx::setPassState(pass);
            fx::Input* position = fx::firstInput(fx::passVertexProgram(pass));
            fx::setInputPointer(position, 3, GL_FLOAT, 12, corners);
            fx::enableInput(position);
            glDrawArrays(GL_QUADS, 0, 4);
            fx::disableInput(position);
            fx::resetPassState(pass);
        }
        return passes;
    }

    fx::Context* context_ = nullptr;
    fx::Effect* effect_ = nullptr;
    int errors_ = 0;
};

GLint integer(GLenum what) {
    GLint v[2] = {0, 0};
    glGetIntegerv(what, v);
    return v[0];
}

GLuint solidTexture(unsigned char r, unsigned char g, unsigned char b) {
    const unsigned char texel[4] = {r, g, b, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

TEST_F(FxTest, InputsAreRecordedInOrderWithTheirSemantics) {
    compile(R"(// a solid colour
uniform vec4 g_color : DIFFUSE;
vertex VS {
    attribute vec4 position : POSITION; /* a } in a comment */
    attribute vec2 uv : texcoord0;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment FS { void main() { gl_FragColor = g_color; } }
technique Solid { pass p0 { VertexProgram = VS; FragmentProgram = FS; } }
)");
    fx::Technique* t = fx::namedTechnique(effect_, "Solid");
    ASSERT_TRUE(fx::isTechniqueValidated(t));
    EXPECT_EQ(fx::firstTechnique(effect_), t);
    fx::Input* in = fx::firstInput(fx::passVertexProgram(fx::firstPass(t)));
    ASSERT_NE(in, nullptr);
    EXPECT_STREQ(fx::inputSemantic(in), "POSITION");
    in = fx::nextInput(in);
    ASSERT_NE(in, nullptr);
    EXPECT_STREQ(fx::inputSemantic(in), "texcoord0");
    EXPECT_EQ(fx::nextInput(in), nullptr);
    EXPECT_EQ(fx::nextPass(fx::firstPass(t)), nullptr);
    EXPECT_EQ(fx::namedTechnique(effect_, "solid"), nullptr);
    EXPECT_EQ(fx::parameterBySemantic(effect_, "DIFFUSE"), parameter("g_color"));
    EXPECT_EQ(fx::lastListing(context_), nullptr);
}

TEST_F(FxTest, DamagedEffectsAreRefusedWithTheLineInTheListing) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"uniform vec4 a;\n\nuniform vec4 b\nvertex", "line 4: expected ';' after parameter b"},
        {"\nvertex VS { void main() { if (true) { }\n", "line 2: unbalanced braces in program VS"},
        {"\n/* never closed", "line 2: unterminated comment"},
        {"uniform ivec4 a;", "line 1: unsupported parameter type 'ivec4'"},
        {"texture t;", "line 1: expected uniform, shared, vertex, fragment or technique, found 'texture'"},
        {"technique T {\n pass { VertexProgram = VS; FragmentProgram = FS;\n Blend = true; } }",
         "line 3: unknown pass state Blend"},
        {"technique T {\n pass { VertexProgram = VS; FragmentProgram = FS;\n DepthFunc = Sometimes; } }",
         "line 3: unknown value Sometimes for DepthFunc"},
        {"technique T {\n pass { VertexProgram = VS; FragmentProgram = FS;\n BlendFunc = (One, Two); } }",
         "line 3: unknown value Two for BlendFunc"},
        {"technique T {\n pass p { VertexProgram = VS;\n FragmentProgram = Missing; } }",
         "line 3: FragmentProgram Missing does not exist"},
        {"technique T {\n pass p { VertexProgram = FS; FragmentProgram = FS; } }",
         "line 2: FS is a fragment program, not a vertex program"},
        {"technique T {\n pass p { VertexProgram = VS; } }",
         "line 2: pass p of technique T has no FragmentProgram"},
        {"technique T { }", "line 1: technique T has no pass"},
    };
    for (const auto& c : cases) {
        errors_ = 0;
        const std::string text = c.text + (std::string(c.text).rfind("technique", 0) == 0 ? kPrograms : "");
        EXPECT_EQ(fx::createEffect(context_, text.c_str()), nullptr) << c.text;
        const char* listing = fx::lastListing(context_);
        ASSERT_NE(listing, nullptr) << c.text;
        EXPECT_NE(std::string(listing).find(c.expected), std::string::npos) << listing;
        EXPECT_EQ(errors_, 1);
        EXPECT_EQ(fx::getError(context_), fx::kCompileFailed);
        EXPECT_EQ(fx::getError(context_), fx::kNoError);
    }
    // Render states need a context that registered them.
    fx::Context* bare = fx::createContext();
    const std::string states =
        "technique T { pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; } }" + kPrograms;
    EXPECT_EQ(fx::createEffect(bare, states.c_str()), nullptr);
    EXPECT_NE(std::string(fx::lastListing(bare)).find("no render states"), std::string::npos);
    fx::destroyContext(bare);
    compile("uniform vec4 g_color;" + states);
}

TEST_F(FxTest, ProgramsThatDoNotCompileOrLinkLeaveTheirTechniqueUnvalidatedAndSayWhy) {
    compile(R"(uniform vec4 g_color;
vertex VS {
    attribute vec4 position : POSITION;
    void main() {
        gl_Position = position;
        undeclared = 1.0;
    }
}
fragment FS { void main() { gl_FragColor = g_color; } }
technique T { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    fx::Technique* t = fx::firstTechnique(effect_);
    EXPECT_FALSE(fx::isTechniqueValidated(t));
    EXPECT_FALSE(fx::validateTechnique(t));
    std::string listing = fx::lastListing(context_);
    for (const char* piece : {"line 2: program VS does not compile", "0:6(", "undeclared"}) {
        EXPECT_NE(listing.find(piece), std::string::npos) << listing;
    }
    fx::destroyEffect(effect_);
    effect_ = fx::createEffect(context_, (R"(uniform vec4 g_color;
fragment Unresolved {
    vec4 shade();
    void main() { gl_FragColor = shade(); }
}
technique Broken { pass first { VertexProgram = VS; FragmentProgram = Unresolved; } }
technique Works { pass { VertexProgram = VS; FragmentProgram = FS; } }
)" + kPrograms)
                                             .c_str());
    ASSERT_NE(effect_, nullptr);
    fx::Technique* broken = fx::namedTechnique(effect_, "Broken");
    EXPECT_FALSE(fx::validateTechnique(broken));
    listing = fx::lastListing(context_);
    EXPECT_NE(listing.find("line 6: pass first of technique Broken does not link"), std::string::npos)
        << listing;
    EXPECT_NE(listing.find("shade"), std::string::npos) << listing;
    EXPECT_FALSE(fx::isTechniqueValidated(broken));
    EXPECT_TRUE(fx::validateTechnique(fx::namedTechnique(effect_, "Works")));
    // Setting an unvalidated pass does nothing but raise an error.
    errors_ = 0;
    fx::setPassState(fx::firstPass(broken));
    EXPECT_EQ(errors_, 1);
    EXPECT_EQ(fx::getError(context_), fx::kNotValidated);
}

TEST_F(FxTest, AValueSetOnceServesEveryPassAndEveryLaterDraw) {
    compile("uniform vec4 g_color;" + kPrograms + R"(
technique Single { pass { VertexProgram = VS; FragmentProgram = FS; } }
technique Double {
    pass { VertexProgram = VS; FragmentProgram = FS; }
    pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; BlendFunc = (One, One); }
}
technique Over { pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; BlendFunc = (SrcAlpha, OneMinusSrcAlpha); } }
)");
    fx::Parameter* color = parameter("g_color");
    const float red[4] = {1.0f, 0.0f, 0.0f, 1.0f}, quarter[4] = {0.25f, 0.25f, 0.0f, 1.0f},
                halfRed[4] = {1, 0, 0, 0.5f};
    fx::setParameter4fv(color, red);
    EXPECT_EQ(draw("Single", 0, 0, 1), 1);
    EXPECT_TRUE(sameColor(pixel(3, 3), rgba(255, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixel(kSize - 1, kSize - 1), rgba(255, 0, 0, 255)));
    fx::setParameter4fv(color, quarter);
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(draw("Double"), 2);
        EXPECT_TRUE(sameColor(pixel(5, 5), rgba(128, 128, 0, 255))) << "draw " << time;
    }
    // A technique used for the first time after the value was set sees it too, and a new
    // value reaches passes that already ran.
    draw("Single");
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(64, 64, 0, 255)));
    fx::setParameter3f(color, 0.0f, 0.0f, 0.5f);
    draw("Double");
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(0, 0, 255, 255)));
    // Blending comes from the pass states; the window keeps no alpha.
    fx::setParameter4fv(color, halfRed);
    draw("Over", 0, 0, 1);
    EXPECT_TRUE(sameColor(pixel(2, 2), rgba(128, 0, 128, 255)));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(errors_, 0);
}

TEST_F(FxTest, ArrayElementsAndColumnMajorMatricesReachTheProgram) {
    compile(R"(
uniform mat4 g_place : WORLD;
uniform vec4 g_palette[3];
uniform float g_pick;
vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = g_place * vec4(position.xyz, 1.0); } }
fragment FS { void main() { gl_FragColor = g_palette[int(g_pick)]; } }
technique T { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    fx::Parameter* palette = parameter("g_palette");
    ASSERT_EQ(fx::arraySize(palette), 3);
    const float colours[3][4] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}};
    for (int i = 0; i < 3; ++i) fx::setParameter4fv(fx::arrayElement(palette, i), colours[i]);
    // Half size, moved right by half the window: columns hold the axes and the translation.
    const float place[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1, 0, 0.5f, 0, 0, 1};
    fx::setMatrixParameterfc(fx::parameterBySemantic(effect_, "WORLD"), place);
    for (const auto& [pick, shown] :
         {std::pair(2.0f, rgba(0, 0, 255, 255)), std::pair(1.0f, rgba(0, 255, 0, 255))}) {
        fx::setParameter1f(parameter("g_pick"), pick);
        draw("T");
        EXPECT_TRUE(sameColor(pixel(kSize / 2 + 2, kSize / 2), shown)) << pick;
        EXPECT_TRUE(sameColor(pixel(kSize / 2 - 2, kSize / 2), rgba(0, 0, 0, 255)));
    }
    EXPECT_EQ(errors_, 0);

    // Misused parameters raise their error, once, and change nothing.
    const struct {
        void (*call)(fx::Effect*);
        int code;
    } misuses[] = {
        {[](fx::Effect* e) { fx::setParameter1f(fx::namedParameter(e, "g_place"), 1.0f); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setMatrixParameterfc(fx::namedParameter(e, "g_pick"), nullptr); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setParameter3f(fx::namedParameter(e, "g_palette"), 1, 2, 3); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setupSampler(fx::namedParameter(e, "g_pick"), 1); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_palette"), 3); },
         fx::kArrayIndexOutOfRange},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_palette"), -1); },
         fx::kArrayIndexOutOfRange},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_pick"), 0); }, fx::kNotAnArray},
    };
    for (const auto& m : misuses) {
        errors_ = 0;
        m.call(effect_);
        EXPECT_EQ(errors_, 1);
        EXPECT_EQ(fx::getError(context_), m.code);
        EXPECT_EQ(fx::getError(context_), fx::kNoError);
    }
    EXPECT_EQ(fx::arraySize(parameter("g_pick")), 0);
    EXPECT_EQ(parameter("g_missing"), nullptr);
    EXPECT_EQ(fx::parameterBySemantic(effect_, "world"), nullptr);
    EXPECT_STRNE(fx::errorString(fx::kWrongParameterType), fx::errorString(999));
}

TEST_F(FxTest, SamplersShowTheirTexturesUntilClearedAndLeaveNoUnitBound) {
    compile(R"(
uniform sampler2D g_first;
uniform sampler2D g_second;
vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = vec4(position.xyz, 1.0); } }
fragment FS { void main() { gl_FragColor = texture2D(g_first, vec2(0.5)) + texture2D(g_second, vec2(0.5)); } }
technique Sampled { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    const GLuint red = solidTexture(255, 0, 0), green = solidTexture(0, 255, 0);
    fx::Parameter* first = parameter("g_first");
    fx::Parameter* second = parameter("g_second");
    fx::setupSampler(first, red);
    fx::setupSampler(second, green);
    draw("Sampled");
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(255, 255, 0, 255)));
    fx::disableSampler(second);
    draw("Sampled", 0, 0, 1);
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(255, 0, 0, 255)));
    fx::disableSampler(first);
    draw("Sampled", 0, 0, 1);
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(0, 0, 0, 255)));
    fx::setupSampler(first, red);
    fx::setupSampler(second, green);
    draw("Sampled");
    for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
        glActiveTexture(unit);
        EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), 0);
    }
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(1, &red);
    glDeleteTextures(1, &green);
    EXPECT_EQ(errors_, 0);
}

// A pass puts back every state it set as it found it, and leaves the states it does not
// set alone.
TEST_F(FxTest, APassPutsBackEveryStateItSetAndOnlyThose) {
    compile("uniform vec4 g_color;" + kPrograms + R"(
technique Everything {
    pass { VertexProgram = VS; FragmentProgram = FS;
           BlendEnable = true; BlendFunc = (DstColor, Zero);
           DepthTestEnable = true; DepthMask = false; DepthFunc = Always;
           CullFaceEnable = true; CullFace = Front; PolygonMode = Line; LineWidth = 3.0; }
}
technique Plain { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_SRC_ALPHA, GL_ONE);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glUseProgram(0);
    const GLint any = -1;
    const struct {
        GLenum what;
        GLint set, before;
    } states[] = {
        {GL_BLEND, GL_TRUE, GL_FALSE},           {GL_BLEND_SRC_RGB, GL_DST_COLOR, GL_ONE},
        {GL_BLEND_DST_RGB, any, GL_ZERO},        {GL_BLEND_SRC_ALPHA, any, GL_SRC_ALPHA},
        {GL_BLEND_DST_ALPHA, GL_ZERO, GL_ONE},   {GL_DEPTH_TEST, GL_TRUE, GL_FALSE},
        {GL_DEPTH_WRITEMASK, GL_FALSE, GL_TRUE}, {GL_DEPTH_FUNC, GL_ALWAYS, GL_LESS},
        {GL_CULL_FACE, GL_TRUE, GL_FALSE},       {GL_CULL_FACE_MODE, GL_FRONT, GL_BACK},
        {GL_POLYGON_MODE, GL_LINE, GL_FILL},     {GL_LINE_WIDTH, 3, 1},
    };
    fx::Pass* pass = fx::firstPass(fx::namedTechnique(effect_, "Everything"));
    fx::setPassState(pass);
    EXPECT_NE(integer(GL_CURRENT_PROGRAM), 0);
    for (const auto& s : states) EXPECT_TRUE(s.set == any || integer(s.what) == s.set) << std::hex << s.what;
    fx::resetPassState(pass);
    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    for (const auto& s : states) EXPECT_EQ(integer(s.what), s.before) << std::hex << s.what;
    glBlendFunc(GL_ONE, GL_ZERO);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    fx::Pass* plain = fx::firstPass(fx::namedTechnique(effect_, "Plain"));
    fx::setPassState(plain);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_GREATER);
    glDepthFunc(GL_EQUAL);
    fx::resetPassState(plain);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_EQUAL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDepthFunc(GL_LESS);
}

}  // namespace
