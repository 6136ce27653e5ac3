#include <GL/glew.h>

#include "FxTestWindow.h"

using namespace nimbus;

namespace {

const char kStates[] = R"(
uniform vec4 g_color;
vertex VS {
    attribute vec4 position : POSITION;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment FS { void main() { gl_FragColor = g_color; } }
technique Over {
    pass { VertexProgram = VS; FragmentProgram = FS;
           BlendEnable = true; BlendFunc = (SrcAlpha, OneMinusSrcAlpha); }
}
technique Everything {
    pass { VertexProgram = VS; FragmentProgram = FS;
           BlendEnable = true; BlendFunc = (DstColor, Zero);
           DepthTestEnable = true; DepthMask = false; DepthFunc = Always;
           CullFaceEnable = true; CullFace = Front; PolygonMode = Line; LineWidth = 3.0; }
}
)";

GLint integer(GLenum what) {
    GLint v[2] = {0, 0};
    glGetIntegerv(what, v);
    return v[0];
}

float number(GLenum what) {
    GLfloat v = 0;
    glGetFloatv(what, &v);
    return v;
}

}  // namespace

TEST_F(FxTest, BlendingComesFromThePassStates) {
    compile(kStates);
    const float halfRed[4] = {1.0f, 0.0f, 0.0f, 0.5f};
    fx::setParameter4fv(fx::namedParameter(effect_, "g_color"), halfRed);
    clear(0, 0, 1, 1);
    drawQuad(fx::namedTechnique(effect_, "Over"));
    // The window keeps no alpha, so it reads back as opaque.
    EXPECT_TRUE(sameColor(pixel(2, 2), rgba(128, 0, 128, 255)));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(FxTest, APassPutsBackEveryStateItSet) {
    compile(kStates);
    glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_SRC_ALPHA, GL_ONE);
    glDepthFunc(GL_LESS);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1.0f);
    glDepthMask(GL_TRUE);
    glUseProgram(0);

    fx::Pass* pass = fx::firstPass(fx::namedTechnique(effect_, "Everything"));
    fx::setPassState(pass);
    EXPECT_NE(integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(integer(GL_BLEND_SRC_RGB), GL_DST_COLOR);
    EXPECT_EQ(integer(GL_BLEND_DST_ALPHA), GL_ZERO);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_FALSE);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_ALWAYS);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_FRONT);
    EXPECT_EQ(integer(GL_POLYGON_MODE), GL_LINE);
    EXPECT_EQ(number(GL_LINE_WIDTH), 3.0f);
    fx::resetPassState(pass);

    EXPECT_EQ(integer(GL_CURRENT_PROGRAM), 0);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(integer(GL_BLEND_SRC_RGB), GL_ONE);
    EXPECT_EQ(integer(GL_BLEND_DST_RGB), GL_ZERO);
    EXPECT_EQ(integer(GL_BLEND_SRC_ALPHA), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST_ALPHA), GL_ONE);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_LESS);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(integer(GL_POLYGON_MODE), GL_FILL);
    EXPECT_EQ(number(GL_LINE_WIDTH), 1.0f);
    glBlendFunc(GL_ONE, GL_ZERO);
}

TEST_F(FxTest, StatesAPassLeavesUnsetAreNotTouched) {
    compile(kStates);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    fx::Pass* pass = fx::firstPass(fx::namedTechnique(effect_, "Over"));
    fx::setPassState(pass);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_GREATER);
    glDepthFunc(GL_EQUAL);
    fx::resetPassState(pass);
    EXPECT_EQ(integer(GL_DEPTH_FUNC), GL_EQUAL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glDepthFunc(GL_LESS);
}
