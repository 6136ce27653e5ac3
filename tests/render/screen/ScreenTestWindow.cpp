#include "ScreenTestWindow.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "../support/GuiPixel.h"
#include "core/math/Color.h"
#include "render/Shader.h"
#include "render/TextureFile.h"
#include "render/Video.h"

using namespace nimbus;

Core* ScreenTest::core_ = nullptr;
ResourceManager* ScreenTest::manager_ = nullptr;

void ScreenTest::SetUpTestSuite() {
    VideoMode mode;
    mode.width = kWidth;
    mode.height = kHeight;
    bool started = false;
    core_ = openVideo(mode, started);
    ASSERT_NE(core_, nullptr);
    manager_ = new ResourceManager();
    setResourceManager(manager_);
    std::ifstream file(NIMBUS_SOURCE_DIR "/assets/shaders/ScreenSpace.fx");
    std::stringstream text;
    text << file.rdbuf();
    Shader* shader = core_->createShader(text.str().c_str());
    ASSERT_NE(shader, nullptr);
    registerShader("Shaders/ScreenSpace", shader);
}

void ScreenTest::TearDownTestSuite() {
    setResourceManager(nullptr);
    delete manager_;
    delete core_;
    closeVideo();
}

void ScreenTest::SetUp() {
    ASSERT_NE(core_, nullptr);
    core_->clear(Color(0, 0, 0, 1));
    recorder_ = std::make_unique<RecordingCore>(*core_);
    renderer_ = std::make_unique<OglScreenspaceRenderer>(*recorder_, kViewMax, kViewMin);
}

void ScreenTest::TearDown() {
    renderer_.reset();
    recorder_.reset();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

ResourceHandle<Texture> ScreenTest::solidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    TextureHeader header;
    header.format = static_cast<int16_t>(PixelFormat::RGBA);
    header.width = header.height = header.mipCount = 1;
    const uint8_t texel[4] = {r, g, b, a};
    return ResourceHandle<Texture>(core_->createTexture(header, texel, 4));
}

ScreenQuad ScreenTest::quad(float x0, float y0, float x1, float y1, float r, float g, float b, float a) {
    ScreenQuad q;
    const float corners[4][4] = {{x0, y0, 0, 1}, {x1, y0, 1, 1}, {x1, y1, 1, 0}, {x0, y1, 0, 0}};
    for (int i = 0; i < 4; ++i) q.corners[i] = {corners[i][0], corners[i][1], corners[i][2], corners[i][3], r, g, b, a};
    return q;
}

void ScreenTest::toPixel(float x, float y, int& px, int& py) {
    guiPointToPixel(x, y, kWidth, kHeight, px, py);
}

uint32_t ScreenTest::pixelAt(float x, float y) { return guiPixelColor(x, y, kWidth, kHeight); }

::testing::AssertionResult sameColor(uint32_t got, uint32_t want) {
    for (int shift = 8; shift < 32; shift += 8) {
        const int a = static_cast<int>((got >> shift) & 0xFF), b = static_cast<int>((want >> shift) & 0xFF);
        if (std::abs(a - b) > 3) {
            char text[64];
            std::snprintf(text, sizeof text, "got %08x, want %08x", got, want);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}
