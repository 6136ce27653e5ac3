// The floor under the game's resident memory: a bare OpenGL program that opens the
// window the game opens (SDL on X, 1024 x 768, 8-bit channels, 32-bit depth, double
// buffered) and draws what any game must, a full-screen textured quad, for two seconds
// of frames. Then it prints its resident and anonymous kibibytes ("resident KiB N
// anonymous KiB M") and exits. It links
// nothing of the game, so whatever the game holds above it is the game's own.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Resident.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kTextureSize = 256;
constexpr int kFrames = 120;

GLuint makeTexture() {
    std::vector<unsigned char> pixels(kTextureSize * kTextureSize * 4);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 7);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, kTextureSize, kTextureSize, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return name;
}

void drawFrame() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    SDL_GL_SwapBuffers();
}

}  // namespace

int main() {
    ::setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 32);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 0);
    if (!SDL_SetVideoMode(kWidth, kHeight, 0, SDL_OPENGL)) {
        std::fprintf(stderr, "no window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    const GLuint texture = makeTexture();
    for (int i = 0; i < kFrames; ++i) drawFrame();
    std::printf("resident KiB %ld anonymous KiB %ld\n", nimbus::bench::residentKibibytes(),
                nimbus::bench::anonymousKibibytes());
    glDeleteTextures(1, &texture);
    SDL_Quit();
    return 0;
}
