#include "support/ScreenTest.h"

#include "core/Path.h"
#include "core/posix/FileInBuffer.h"
#include "render/Loaders.h"
#include "render/Shader.h"
#include "render/TextureFile.h"
#include "support/FakeTexture.h"
#include "support/TempFolder.h"

namespace nimbus {

void ScreenTest::openScreen(int width, int height) {
    openWindow(width, height);
    Shader* shader =
        core_->createShader(readFile(NIMBUS_SOURCE_DIR "/assets/shaders/ScreenSpace.fx").c_str());
    ASSERT_NE(shader, nullptr);
    registerShader("Shaders/ScreenSpace", shader);
}

void ScreenTest::SetUp() {
    GlWindowTest::SetUp();
    recorder_ = std::make_unique<RecordingCore>(*core_);
    renderer_ = std::make_unique<OglScreenspaceRenderer>(*recorder_, Vector2(4.0f / 3.0f, 1.0f),
                                                         Vector2(-4.0f / 3.0f, -1.0f));
}

void ScreenTest::TearDown() {
    renderer_.reset();
    recorder_.reset();
    GlWindowTest::TearDown();
}

Texture* ScreenTest::solidTexture(uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const uint8_t texel[4] = {r, g, b, a};
    return core_->createTexture(textureHeader(PixelFormat::RGBA, 1, 1), texel, 4);
}

void ScreenTest::loadDataTexture(const std::string& file) {
    FileInBuffer in;
    ASSERT_TRUE(in.open(NIMBUS_DATA_DIR "/" + file + ".texture")) << file;
    ASSERT_TRUE(loadTexture(Path(("/" + file + ".texture").c_str()), in, *core_)) << file;
}

ScreenQuad ScreenTest::quad(float x0, float y0, float x1, float y1, float r, float g, float b, float a) {
    ScreenQuad q;
    const float corners[4][4] = {{x0, y0, 0, 1}, {x1, y0, 1, 1}, {x1, y1, 1, 0}, {x0, y1, 0, 0}};
    for (int i = 0; i < 4; ++i)
        q.corners[i] = {corners[i][0], corners[i][1], corners[i][2], corners[i][3], r, g, b, a};
    return q;
}

}  // namespace nimbus
