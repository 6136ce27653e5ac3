#include "FxTestWindow.h"

#include <GL/glew.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace nimbus;

int FxTest::errors_ = 0;

namespace {
void countError(int, void* user) { ++*static_cast<int*>(user); }
}  // namespace

void FxTest::SetUpTestSuite() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    ASSERT_NE(SDL_SetVideoMode(kSize, kSize, 0, SDL_OPENGL), nullptr) << SDL_GetError();
    ASSERT_EQ(glewInit(), static_cast<GLenum>(GLEW_OK));
}

void FxTest::TearDownTestSuite() { SDL_Quit(); }

void FxTest::SetUp() {
    context_ = fx::createContext();
    fx::registerStates(context_);
    errors_ = 0;
    fx::setErrorHandler(context_, countError, &errors_);
    glViewport(0, 0, kSize, kSize);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
}

void FxTest::TearDown() {
    fx::destroyEffect(effect_);
    fx::destroyContext(context_);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

fx::Effect* FxTest::compile(const char* text) {
    fx::destroyEffect(effect_);
    effect_ = fx::createEffect(context_, text);
    const char* listing = fx::lastListing(context_);
    EXPECT_NE(effect_, nullptr) << (listing ? listing : "no listing");
    for (fx::Technique* t = fx::firstTechnique(effect_); t; t = fx::nextTechnique(t)) fx::validateTechnique(t);
    return effect_;
}

int FxTest::drawQuad(fx::Technique* technique, float depth) {
    const float corners[] = {-1, -1, depth, 1, -1, depth, 1, 1, depth, -1, 1, depth};
    int passes = 0;
    for (fx::Pass* pass = fx::firstPass(technique); fx::isPass(pass); pass = fx::nextPass(pass)) {
        fx::setPassState(pass);
        fx::Input* position = nullptr;
        for (fx::Input* in = fx::firstInput(fx::passVertexProgram(pass)); in; in = fx::nextInput(in)) {
            if (std::string(fx::inputSemantic(in)) == "POSITION") position = in;
        }
        fx::setInputPointer(position, 3, GL_FLOAT, 12, corners);
        fx::enableInput(position);
        glDrawArrays(GL_QUADS, 0, 4);
        fx::disableInput(position);
        fx::resetPassState(pass);
        ++passes;
    }
    return passes;
}

uint32_t FxTest::pixel(int x, int y) { return readPixelColor(x, y); }

void FxTest::clear(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

