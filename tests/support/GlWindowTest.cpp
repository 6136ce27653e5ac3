#include "support/GlWindowTest.h"

#include <GL/glew.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/ResourceManager.h"
#include "core/math/Color.h"
#include "render/Core.h"
#include "render/Video.h"

namespace nimbus {

Core* GlWindowTest::core_ = nullptr;
ResourceManager* GlWindowTest::resources_ = nullptr;
int GlWindowTest::width_ = 0;
int GlWindowTest::height_ = 0;

void GlWindowTest::openWindow(int width, int height) {
    VideoMode mode;
    mode.width = width_ = width;
    mode.height = height_ = height;
    bool started = false;
    core_ = openVideo(mode, started);
    ASSERT_NE(core_, nullptr);
    setCore(core_);
    resources_ = new ResourceManager();
    setResourceManager(resources_);
}

void GlWindowTest::TearDownTestSuite() {
    setResourceManager(nullptr);
    delete resources_;
    resources_ = nullptr;
    setCore(nullptr);
    delete core_;
    core_ = nullptr;
    closeVideo();
}

void GlWindowTest::SetUp() {
    ASSERT_NE(core_, nullptr);
    core_->clear(Color(0, 0, 0, 1));
}

void GlWindowTest::TearDown() { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

uint32_t GlWindowTest::pixel(int x, int y) {
    unsigned char p[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return rgba(p[0], p[1], p[2], p[3]);
}

void GlWindowTest::guiToPixel(float x, float y, int& px, int& py) {
    px = static_cast<int>(std::floor((x * 0.75f + 1.0f) * static_cast<float>(width_) / 2));
    py = static_cast<int>(std::floor((y + 1.0f) * static_cast<float>(height_) / 2));
}

uint32_t GlWindowTest::guiPixel(float x, float y) {
    int px = 0, py = 0;
    guiToPixel(x, y, px, py);
    return pixel(px, py);
}

::testing::AssertionResult sameColor(uint32_t got, uint32_t want) {
    for (int shift = 8; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)) >
            3) {
            char text[64];
            std::snprintf(text, sizeof text, "got %08x, want %08x", got, want);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace nimbus
