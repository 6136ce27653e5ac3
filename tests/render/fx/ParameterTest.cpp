#include <GL/glew.h>

#include "FxTestWindow.h"

using namespace nimbus;

namespace {

const char kParameters[] = R"(
uniform mat4 g_place : WORLD;
uniform vec4 g_palette[3];
uniform float g_pick;
uniform sampler2D g_texture;
vertex VS {
    attribute vec4 position : POSITION;
    void main() { gl_Position = g_place * vec4(position.xyz, 1.0); }
}
fragment FS { void main() { gl_FragColor = g_palette[int(g_pick)]; } }
technique T { pass { VertexProgram = VS; FragmentProgram = FS; } }
)";

}  // namespace

TEST_F(FxTest, ArrayElementsAndColumnMajorMatricesReachTheProgram) {
    compile(kParameters);
    fx::Parameter* palette = fx::namedParameter(effect_, "g_palette");
    ASSERT_EQ(fx::arraySize(palette), 3);
    const float colours[3][4] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}};
    for (int i = 0; i < 3; ++i) fx::setParameter4fv(fx::arrayElement(palette, i), colours[i]);
    fx::setParameter1f(fx::namedParameter(effect_, "g_pick"), 2.0f);
    // Half size, moved right by half the window: columns hold the axes and the translation.
    const float place[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1, 0, 0.5f, 0, 0, 1};
    fx::setMatrixParameterfc(fx::parameterBySemantic(effect_, "WORLD"), place);
    clear(0, 0, 0, 1);
    drawQuad(fx::firstTechnique(effect_));
    EXPECT_TRUE(sameColor(pixel(kSize / 2 + 2, kSize / 2), rgba(0, 0, 255, 255)));
    EXPECT_TRUE(sameColor(pixel(kSize / 2 - 2, kSize / 2), rgba(0, 0, 0, 255)));

    fx::setParameter1f(fx::namedParameter(effect_, "g_pick"), 1.0f);
    clear(0, 0, 0, 1);
    drawQuad(fx::firstTechnique(effect_));
    EXPECT_TRUE(sameColor(pixel(kSize / 2 + 2, kSize / 2), rgba(0, 255, 0, 255)));
    EXPECT_EQ(errors_, 0);
}

TEST_F(FxTest, MisusedParametersRaiseTheirErrorAndChangeNothing) {
    compile(kParameters);
    struct Case {
        void (*call)(fx::Effect*);
        int code;
    };
    const Case cases[] = {
        {[](fx::Effect* e) { fx::setParameter1f(fx::namedParameter(e, "g_place"), 1.0f); }, fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setMatrixParameterfc(fx::namedParameter(e, "g_pick"), nullptr); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setParameter3f(fx::namedParameter(e, "g_palette"), 1, 2, 3); },
         fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::setupSampler(fx::namedParameter(e, "g_pick"), 1); }, fx::kWrongParameterType},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_palette"), 3); }, fx::kArrayIndexOutOfRange},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_palette"), -1); },
         fx::kArrayIndexOutOfRange},
        {[](fx::Effect* e) { fx::arrayElement(fx::namedParameter(e, "g_pick"), 0); }, fx::kNotAnArray},
    };
    for (const Case& c : cases) {
        errors_ = 0;
        c.call(effect_);
        EXPECT_EQ(errors_, 1);
        EXPECT_EQ(fx::getError(context_), c.code);
        EXPECT_EQ(fx::getError(context_), fx::kNoError);
    }
    EXPECT_EQ(fx::arraySize(fx::namedParameter(effect_, "g_pick")), 0);
    EXPECT_EQ(fx::namedParameter(effect_, "g_missing"), nullptr);
    EXPECT_EQ(fx::parameterBySemantic(effect_, "world"), nullptr);
    EXPECT_STRNE(fx::errorString(fx::kWrongParameterType), fx::errorString(999));
}
