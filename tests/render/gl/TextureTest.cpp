#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "../support/LogCapture.h"
#include "GlTestWindow.h"
#include "render/Texture.h"
#include "render/TextureFile.h"

using namespace nimbus;

namespace {

TextureHeader header(PixelFormat format, int width, int height, int mipCount) {
    TextureHeader h;
    h.format = static_cast<int16_t>(format);
    h.width = static_cast<int16_t>(width);
    h.height = static_cast<int16_t>(height);
    h.mipCount = static_cast<int16_t>(mipCount);
    return h;
}

std::vector<uint8_t> levelPixels(const std::unique_ptr<Texture>& texture, int level) {
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture->getHandle());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
    std::vector<uint8_t> pixels(static_cast<size_t>(w) * h * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return pixels;
}

GLint parameter(const std::unique_ptr<Texture>& texture, GLenum name) {
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture->getHandle());
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    glBindTexture(GL_TEXTURE_2D, 0);
    return value;
}

}  // namespace

TEST_F(GlTest, EveryPixelFormatUploadsAsRgba) {
    struct Case {
        PixelFormat format;
        std::vector<uint8_t> pixel;
        std::vector<uint8_t> rgba;
    };
    const Case cases[] = {
        {PixelFormat::RGBA, {10, 20, 30, 40}, {10, 20, 30, 40}},
        {PixelFormat::BGRA, {10, 20, 30, 40}, {30, 20, 10, 40}},
        {PixelFormat::RGB, {10, 20, 30}, {10, 20, 30, 255}},
        {PixelFormat::BGR, {10, 20, 30}, {30, 20, 10, 255}},
        {PixelFormat::Alpha, {77}, {255, 255, 255, 77}},
    };
    for (const Case& c : cases) {
        // Three pixels per row: rows whose size is no multiple of four must not be padded.
        std::vector<uint8_t> pixels;
        for (int i = 0; i < 3 * 2; ++i) pixels.insert(pixels.end(), c.pixel.begin(), c.pixel.end());
        std::unique_ptr<Texture> texture(core_->createTexture(header(c.format, 3, 2, 1), pixels.data(),
                                                              static_cast<int64_t>(pixels.size())));
        ASSERT_NE(texture, nullptr);
        EXPECT_EQ(texture->getWidth(), 3);
        EXPECT_EQ(texture->getHeight(), 2);
        std::vector<uint8_t> back(3 * 2 * 4);
        ASSERT_TRUE(texture->readPixels(back.data(), static_cast<int64_t>(back.size())));
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(std::vector<uint8_t>(back.begin() + i * 4, back.begin() + i * 4 + 4), c.rgba)
                << "format " << static_cast<int>(c.format) << ", pixel " << i;
        }
    }
    GLfloat bias = -1;
    glGetFloatv(GL_RED_BIAS, &bias);
    EXPECT_EQ(bias, 0.0f) << "the alpha upload leaves no bias behind";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(GlTest, MipLevelsComeFromTheChainInOrder) {
    // 4 x 4, 2 x 2, 1 x 1, each level one grey.
    std::vector<uint8_t> chain;
    chain.insert(chain.end(), 16, 200);
    chain.insert(chain.end(), 4, 100);
    chain.insert(chain.end(), 1, 50);
    std::unique_ptr<Texture> texture(
        core_->createTexture(header(PixelFormat::Alpha, 4, 4, 3), chain.data(), static_cast<int64_t>(chain.size())));
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(levelPixels(texture, 1), std::vector<uint8_t>({255, 255, 255, 100, 255, 255, 255, 100, 255, 255, 255,
                                                             100, 255, 255, 255, 100}));
    EXPECT_EQ(levelPixels(texture, 2), std::vector<uint8_t>({255, 255, 255, 50}));
    EXPECT_EQ(parameter(texture, GL_TEXTURE_MAX_LEVEL), 2);
    EXPECT_EQ(parameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);

    const uint8_t one[4] = {1, 2, 3, 4};
    std::unique_ptr<Texture> single(core_->createTexture(header(PixelFormat::RGBA, 1, 1, 1), one, 4));
    EXPECT_EQ(parameter(single, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(single, GL_TEXTURE_WRAP_S), GL_REPEAT);
}

TEST_F(GlTest, BadHeadersAndShortPixelsMakeNoTexture) {
    const std::vector<uint8_t> pixels(64, 1);
    const TextureHeader bad[] = {
        header(static_cast<PixelFormat>(5), 2, 2, 1), header(static_cast<PixelFormat>(-1), 2, 2, 1),
        header(PixelFormat::RGBA, 0, 2, 1),           header(PixelFormat::RGBA, 2, -2, 1),
        header(PixelFormat::RGBA, 2, 2, 0),
    };
    for (const TextureHeader& h : bad) {
        LogCapture log;
        EXPECT_EQ(core_->createTexture(h, pixels.data(), 64), nullptr);
        EXPECT_EQ(log.lines().size(), 1u);
    }
    LogCapture log;
    EXPECT_EQ(core_->createTexture(header(PixelFormat::RGBA, 4, 4, 1), pixels.data(), 63), nullptr);
    EXPECT_TRUE(log.saw({"64", "63"})) << log.all();
}

TEST_F(GlTest, ReadPixelsWantsExactlyTheLevelsBytes) {
    std::unique_ptr<Texture> texture(core_->createTexture(header(PixelFormat::RGBA, 4, 2, 1), nullptr, 0));
    ASSERT_NE(texture, nullptr) << "a texture without pixels still has storage";
    std::vector<uint8_t> buffer(4 * 2 * 4 + 1, 0xAB);
    EXPECT_FALSE(texture->readPixels(buffer.data(), 4 * 2 * 4 + 1));
    EXPECT_FALSE(texture->readPixels(buffer.data(), 4 * 2 * 4 - 1));
    EXPECT_EQ(buffer, std::vector<uint8_t>(4 * 2 * 4 + 1, 0xAB)) << "a refused read touches nothing";
    EXPECT_TRUE(texture->readPixels(buffer.data(), 4 * 2 * 4));
    EXPECT_EQ(buffer.back(), 0xAB);
}

TEST_F(GlTest, CopyFromScreenTakesTheFrameAndItsSize) {
    core_->clear(Color(0, 1, 0, 1));
    const uint8_t one[4] = {0, 0, 0, 0};
    std::unique_ptr<Texture> texture(core_->createTexture(header(PixelFormat::RGBA, 1, 1, 1), one, 4));
    ASSERT_TRUE(texture->copyFromScreen(*core_));
    // The texture must now report the frame's size, or readPixels would accept a buffer
    // of its old size and GL would write the whole frame into it.
    EXPECT_EQ(texture->getWidth(), kSize);
    EXPECT_EQ(texture->getHeight(), kSize);
    std::vector<uint8_t> frame(kSize * kSize * 4);
    ASSERT_TRUE(texture->readPixels(frame.data(), static_cast<int64_t>(frame.size())));
    EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 4), std::vector<uint8_t>({0, 255, 0, 255}));
    EXPECT_EQ(std::vector<uint8_t>(frame.end() - 4, frame.end()), std::vector<uint8_t>({0, 255, 0, 255}));

    class NoWindow : public Core {
    public:
        bool initialize(const CoreDesc&) override { return false; }
        VertexBuffer* createVertexBuffer(int32_t, const VertexFormat&, bool) override { return nullptr; }
        IndexBuffer* createIndexBuffer(int32_t, bool) override { return nullptr; }
        Shader* createShader(const char*) override { return nullptr; }
        Texture* createTexture(const TextureHeader&, const void*, int64_t) override { return nullptr; }
        void clear(const Color&) override {}
        void draw(PrimitiveType, int32_t, int32_t, VertexBuffer*, IndexBuffer*, Shader*, const char*) override {}
        void drawLine(const Vector4&, const Vector4&, const Color&, Shader*, const char*) override {}
        void present() override {}
        void getSize(int32_t& w, int32_t& h) const override { w = h = 0; }
    } noWindow;
    EXPECT_FALSE(texture->copyFromScreen(noWindow));
}

TEST_F(GlTest, ASamplerShowsItsTextureAndAClearedOneShowsNone) {
    auto shader = compile(R"(
uniform sampler2D g_diffuseTexture;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); }
}
fragment FS { void main() { gl_FragColor = texture2D(g_diffuseTexture, vec2(0.5, 0.5)); } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    const uint8_t blue[4] = {0, 0, 255, 255};
    std::unique_ptr<Texture> texture(core_->createTexture(header(PixelFormat::RGBA, 1, 1, 1), blue, 4));
    auto vb = quad(-1, -1, 1, 1);
    EXPECT_TRUE(shader->setTexture("g_diffuseTexture", texture.get()));
    EXPECT_FALSE(shader->setTexture("g_envmapTexture", texture.get()));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), nullptr);
    EXPECT_TRUE(sameColor(pixel(32, 32), rgba(0, 0, 255, 255)));

    core_->clear(Color(1, 0, 0, 1));
    EXPECT_TRUE(shader->setTexture("g_diffuseTexture", nullptr));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), nullptr);
    EXPECT_TRUE(sameColor(pixel(32, 32), rgba(0, 0, 0, 255)));
}
