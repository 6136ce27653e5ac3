#include <string>

#include "FxTestWindow.h"

using namespace nimbus;

namespace {

const char kSolid[] = R"(// a solid colour
uniform vec4 g_color : DIFFUSE;
vertex VS {
    attribute vec4 position : POSITION; /* a } in a comment */
    attribute vec2 uv : texcoord0;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment FS {
    void main() { gl_FragColor = g_color; }
}
technique Solid { pass p0 { VertexProgram = VS; FragmentProgram = FS; } }
)";

struct BadEffect {
    const char* text;
    const char* expected;  // part of the listing, with the line
};

const char kPrograms[] = R"(
vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = position; } }
fragment FS { void main() { gl_FragColor = vec4(1.0); } }
)";

}  // namespace

TEST_F(FxTest, InputsAreRecordedInOrderWithTheirSemantics) {
    compile(kSolid);
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
    EXPECT_EQ(fx::parameterBySemantic(effect_, "DIFFUSE"), fx::namedParameter(effect_, "g_color"));
    EXPECT_EQ(fx::lastListing(context_), nullptr);
}

TEST_F(FxTest, DamagedEffectsAreRefusedWithTheLineInTheListing) {
    const std::string programs = kPrograms;
    const BadEffect cases[] = {
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
        {"technique T {\n pass p { VertexProgram = VS; } }", "line 2: pass p of technique T has no FragmentProgram"},
        {"technique T { }", "line 1: technique T has no pass"},
    };
    for (const BadEffect& c : cases) {
        errors_ = 0;
        const std::string text = c.text + (std::string(c.text).rfind("technique", 0) == 0 ? programs : "");
        EXPECT_EQ(fx::createEffect(context_, text.c_str()), nullptr) << c.text;
        const char* listing = fx::lastListing(context_);
        ASSERT_NE(listing, nullptr) << c.text;
        EXPECT_NE(std::string(listing).find(c.expected), std::string::npos) << listing;
        EXPECT_EQ(errors_, 1);
        EXPECT_EQ(fx::getError(context_), fx::kCompileFailed);
        EXPECT_EQ(fx::getError(context_), fx::kNoError);
    }
}

TEST_F(FxTest, RenderStatesNeedAContextThatRegisteredThem) {
    const std::string text =
        std::string("technique T { pass { VertexProgram = VS; FragmentProgram = FS; BlendEnable = true; } }") +
        kPrograms;
    fx::Context* bare = fx::createContext();
    EXPECT_EQ(fx::createEffect(bare, text.c_str()), nullptr);
    EXPECT_NE(std::string(fx::lastListing(bare)).find("no render states"), std::string::npos);
    fx::destroyContext(bare);
    EXPECT_NE(compile(text.c_str()), nullptr);
}

TEST_F(FxTest, ProgramErrorsNameTheirFileLine) {
    const char text[] = R"(uniform vec4 g_color;
vertex VS {
    attribute vec4 position : POSITION;
    void main() {
        gl_Position = position;
        undeclared = 1.0;
    }
}
fragment FS { void main() { gl_FragColor = g_color; } }
technique T { pass { VertexProgram = VS; FragmentProgram = FS; } }
)";
    compile(text);
    fx::Technique* t = fx::firstTechnique(effect_);
    EXPECT_FALSE(fx::isTechniqueValidated(t));
    EXPECT_FALSE(fx::validateTechnique(t));
    const std::string listing = fx::lastListing(context_);
    EXPECT_NE(listing.find("line 2: program VS does not compile"), std::string::npos) << listing;
    EXPECT_NE(listing.find("0:6("), std::string::npos) << listing;
    EXPECT_NE(listing.find("undeclared"), std::string::npos) << listing;
}

TEST_F(FxTest, ATechniqueThatDoesNotLinkIsNotValidatedAndSaysWhy) {
    const char text[] = R"(
vertex VS { attribute vec4 position : POSITION; void main() { gl_Position = position; } }
fragment Good { void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); } }
fragment Unresolved {
    vec4 shade();
    void main() { gl_FragColor = shade(); }
}
technique Broken { pass first { VertexProgram = VS; FragmentProgram = Unresolved; } }
technique Works { pass { VertexProgram = VS; FragmentProgram = Good; } }
)";
    effect_ = fx::createEffect(context_, text);
    ASSERT_NE(effect_, nullptr);
    fx::Technique* broken = fx::namedTechnique(effect_, "Broken");
    EXPECT_FALSE(fx::validateTechnique(broken));
    const std::string listing = fx::lastListing(context_);
    EXPECT_NE(listing.find("line 8: pass first of technique Broken does not link"), std::string::npos) << listing;
    EXPECT_NE(listing.find("shade"), std::string::npos) << listing;
    EXPECT_FALSE(fx::isTechniqueValidated(broken));
    EXPECT_TRUE(fx::validateTechnique(fx::namedTechnique(effect_, "Works")));

    // Setting an unvalidated pass does nothing but raise an error.
    errors_ = 0;
    fx::setPassState(fx::firstPass(broken));
    EXPECT_EQ(errors_, 1);
    EXPECT_EQ(fx::getError(context_), fx::kNotValidated);
}
