#include <GL/glew.h>

#include "FxTestWindow.h"

using namespace nimbus;

namespace {

const char kTwoPasses[] = R"(
uniform vec4 g_color;
uniform sampler2D g_first;
uniform sampler2D g_second;
vertex VS {
    attribute vec4 position : POSITION;
    void main() { gl_Position = vec4(position.xyz, 1.0); }
}
fragment Plain { void main() { gl_FragColor = g_color; } }
fragment Textured {
    void main() { gl_FragColor = texture2D(g_first, vec2(0.5)) + texture2D(g_second, vec2(0.5)); }
}
technique Single { pass { VertexProgram = VS; FragmentProgram = Plain; } }
technique Double {
    pass { VertexProgram = VS; FragmentProgram = Plain; }
    pass { VertexProgram = VS; FragmentProgram = Plain; BlendEnable = true; BlendFunc = (One, One); }
}
technique Sampled { pass { VertexProgram = VS; FragmentProgram = Textured; } }
)";

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

}  // namespace

TEST_F(FxTest, AnEffectFromTextDrawsItsColour) {
    compile(kTwoPasses);
    const float red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    fx::setParameter4fv(fx::namedParameter(effect_, "g_color"), red);
    clear(0, 0, 1, 1);
    EXPECT_EQ(drawQuad(fx::namedTechnique(effect_, "Single")), 1);
    EXPECT_TRUE(sameColor(pixel(3, 3), rgba(255, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixel(kSize - 1, kSize - 1), rgba(255, 0, 0, 255)));
    EXPECT_EQ(errors_, 0);
}

TEST_F(FxTest, AValueSetOnceServesEveryPassAndEveryLaterDraw) {
    compile(kTwoPasses);
    fx::Parameter* color = fx::namedParameter(effect_, "g_color");
    const float quarter[4] = {0.25f, 0.25f, 0.0f, 1.0f};
    fx::setParameter4fv(color, quarter);
    for (int draw = 0; draw < 2; ++draw) {
        clear(0, 0, 0, 0);
        EXPECT_EQ(drawQuad(fx::namedTechnique(effect_, "Double")), 2);
        EXPECT_TRUE(sameColor(pixel(5, 5), rgba(128, 128, 0, 255))) << "draw " << draw;
    }
    // A technique used for the first time after the value was set sees it too, and a new
    // value reaches passes that already ran.
    clear(0, 0, 0, 0);
    drawQuad(fx::namedTechnique(effect_, "Single"));
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(64, 64, 0, 255)));
    fx::setParameter3f(color, 0.0f, 0.0f, 0.5f);
    clear(0, 0, 0, 0);
    drawQuad(fx::namedTechnique(effect_, "Double"));
    EXPECT_TRUE(sameColor(pixel(5, 5), rgba(0, 0, 255, 255)));
}

TEST_F(FxTest, SamplersShowTheirTexturesUntilCleared) {
    compile(kTwoPasses);
    const GLuint red = solidTexture(255, 0, 0), green = solidTexture(0, 255, 0);
    fx::Parameter* first = fx::namedParameter(effect_, "g_first");
    fx::Parameter* second = fx::namedParameter(effect_, "g_second");
    fx::setupSampler(first, red);
    fx::setupSampler(second, green);
    fx::Technique* sampled = fx::namedTechnique(effect_, "Sampled");
    clear(0, 0, 0, 1);
    drawQuad(sampled);
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(255, 255, 0, 255)));

    fx::disableSampler(second);
    clear(0, 0, 1, 1);
    drawQuad(sampled);
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(255, 0, 0, 255)));

    fx::disableSampler(first);
    clear(0, 0, 1, 1);
    drawQuad(sampled);
    EXPECT_TRUE(sameColor(pixel(7, 7), rgba(0, 0, 0, 255)));

    // After the pass no unit keeps a texture of the effect.
    fx::setupSampler(first, red);
    fx::setupSampler(second, green);
    drawQuad(sampled);
    for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
        glActiveTexture(unit);
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, 0);
    }
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(1, &red);
    glDeleteTextures(1, &green);
    EXPECT_EQ(errors_, 0);
}
