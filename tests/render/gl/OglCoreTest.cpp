// The GL core and its loaders in a small window, read back pixel by pixel.
#include <GL/glew.h>

#include <cstring>
#include <memory>
#include <vector>

#include "core/Path.h"
#include "core/ResourceManager.h"
#include "core/VectorOutBuffer.h"
#include "core/math/Color.h"
#include "core/math/Transform.h"
#include "render/IndexBuffer.h"
#include "render/Loaders.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/TextureFile.h"
#include "render/VertexBuffer.h"
#include "render/Video.h"
#include "render/gl/OglCore.h"
#include "support/FakeTexture.h"
#include "support/GlWindowTest.h"
#include "support/LogCapture.h"
#include "support/NamedInput.h"

using namespace nimbus;

namespace {

constexpr uint32_t kBlack = rgba(0, 0, 0, 255), kRed = rgba(255, 0, 0, 255), kGreen = rgba(0, 255, 0, 255),
                   kBlue = rgba(0, 0, 255, 255), kYellow = rgba(255, 255, 0, 255);

// One technique: POSITION placed at `position`, and one colour expression.
std::string effect(const std::string& fragment = "g_color",
                   const std::string& uniforms = "uniform vec4 g_color;",
                   const std::string& position = "vec4(position, 1.0)") {
    return uniforms +
           "\nvertex VS { attribute vec3 position : POSITION; void main() { gl_Position = " + position +
           "; } }\nfragment FS { void main() { gl_FragColor = " + fragment +
           "; } }\ntechnique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }\n";
}

// A window small enough that a test names the pixels it reads.
class GlTest : public GlWindowTest {
protected:
    static constexpr int kSize = 64;
    static void SetUpTestSuite() { openWindow(kSize, kSize); }

    std::unique_ptr<Shader> compile(const std::string& text) {
        std::unique_ptr<Shader> shader(core_->createShader(text.c_str()));
        EXPECT_NE(shader, nullptr);
        return shader;
    }
    // Position-only vertices; a quad runs counter-clockwise, so back-face culling keeps it.
    static std::unique_ptr<VertexBuffer> vertices(const std::vector<float>& xyz) {
        std::unique_ptr<VertexBuffer> vb(
            core_->createVertexBuffer(int32_t(xyz.size() / 3), VertexFormat(0x01), false));
        std::memcpy(vb->lockForWrite(), xyz.data(), xyz.size() * sizeof(float));
        vb->unlock();
        return vb;
    }
    static std::unique_ptr<VertexBuffer> quad(float x0, float y0, float x1, float y1) {
        return vertices({x0, y0, 0, x1, y0, 0, x1, y1, 0, x0, y1, 0});
    }
    static void draw(Shader& shader, const char* technique = nullptr, VertexBuffer* vb = nullptr) {
        auto whole = quad(-1, -1, 1, 1);
        core_->draw(PrimitiveType::Quads, 4, 0, vb ? vb : whole.get(), nullptr, &shader, technique);
    }
    static void expectPixels(std::initializer_list<std::tuple<int, int, uint32_t>> want) {
        for (const auto& [x, y, color] : want) EXPECT_TRUE(sameColor(pixel(x, y), color)) << x << ", " << y;
    }
};

TEST_F(GlTest, IndexedDrawsStartAtTheFirstIndexAndDrawsPastTheBufferAreRefused) {
    auto shader = compile(effect());
    shader->setVector("g_color", Vector3(0, 1, 0));
    auto vb = vertices({-1, -1, 0, 0, -1, 0, 0, 1, 0, -1, 1, 0,    // left half
                        0,  -1, 0, 1, -1, 0, 1, 1, 0, 0,  1, 0});  // right half
    std::unique_ptr<IndexBuffer> ib(core_->createIndexBuffer(12, false));
    const uint16_t indices[] = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
    EXPECT_EQ(ib->getIndexSize(), int32_t(sizeof indices[0]));
    std::memcpy(ib->lockForWrite(), indices, sizeof indices);
    ib->unlock();
    core_->draw(PrimitiveType::Triangles, 6, 6, vb.get(), ib.get(), shader.get(), "Technique1");
    expectPixels({{16, 32, kBlack}, {48, 32, kGreen}});

    core_->clear(Color(0, 0, 0, 1));
    auto four = quad(-1, -1, 1, 1);
    LogCapture log;
    const int32_t draws[][2] = {{8, 0}, {4, 2}, {-4, 0}, {0, 4}};  // the last draws nothing, and is no error
    for (const auto& d : draws)
        core_->draw(PrimitiveType::Quads, d[0], d[1], four.get(), nullptr, shader.get(), nullptr);
    expectPixels({{32, 32, kBlack}});
    EXPECT_EQ(log.lines().size(), 3u);
    // Lines go through the effect too.
    const float y = 0.5f / 32;  // the centre of row 32
    core_->drawLine(Vector4(-1, y, 0, 1), Vector4(1, y, 0, 1), Color(1, 1, 1, 1), shader.get(), "Technique1");
    expectPixels({{10, 32, kGreen}, {10, 40, kBlack}});
}

TEST_F(GlTest, PointSpritesAreSizedByTheProgramOnlyWithoutIndices) {
    auto shader = compile(
        effect("vec4(gl_PointCoord.x, 1.0, 0.0, 1.0)", "", "vec4(position, 1.0); gl_PointSize = 9.0"));
    auto vb = vertices({0.5f / 32, 0.5f / 32, 0});  // the centre of pixel (32, 32)
    core_->draw(PrimitiveType::PointSprites, 1, 0, vb.get(), nullptr, shader.get(), nullptr);
    const uint32_t left = pixel(29, 32), right = pixel(35, 32);
    EXPECT_EQ(std::make_pair(green(left), green(right)), std::make_pair(255, 255)) << "a nine-pixel sprite";
    EXPECT_LT(red(left), red(right)) << "the sprite coordinate runs left to right";
    EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE) || glIsEnabled(GL_VERTEX_PROGRAM_POINT_SIZE));

    core_->clear(Color(0, 0, 0, 1));
    std::unique_ptr<IndexBuffer> ib(core_->createIndexBuffer(1, false));
    ib->lockForWrite()[0] = 0;
    ib->unlock();
    core_->draw(PrimitiveType::PointSprites, 1, 0, vb.get(), ib.get(), shader.get(), nullptr);
    EXPECT_EQ(green(pixel(32, 32)), 255) << "a plain point";
    expectPixels({{35, 32, kBlack}});
}

TEST_F(GlTest, ArraySettersSetTheDeclaredOrTheGivenElementsWhicheverAreFewer) {
    auto shader = compile(
        effect("g_colorPalette[int(min(gl_FragCoord.x / 16.0, 2.0))]", "uniform vec4 g_colorPalette[3];"));
    const Vector4 colors[] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}};
    EXPECT_TRUE(shader->setVectorArray("g_colorPalette", colors, 5));
    draw(*shader);
    expectPixels({{8, 8, kRed}, {24, 8, kGreen}, {40, 8, kBlue}});
    EXPECT_TRUE(shader->setVectorArray("g_colorPalette", colors + 3, 1));
    core_->clear(Color(0, 0, 0, 1));
    draw(*shader);
    expectPixels({{8, 8, rgba(255, 255, 255, 255)}, {24, 8, kGreen}});
}

// A transform, a matrix and a palette, each moving the window's left half to the right.
TEST_F(GlTest, TransformsArriveWithTheirRowsAsColumns) {
    auto shader =
        compile(effect("g_color", "uniform mat4 g_model; uniform mat4 g_palette[2]; uniform vec4 g_color;",
                       "g_palette[1] * g_palette[0] * g_model * vec4(position, 1.0)"));
    auto left = quad(-1, -1, 0, 1);
    Transform shift;
    shift.t = Vector3(0.5f, 0, 0);
    const Matrix44 unmoved[2], moved[2] = {Matrix44::translation(Vector3(0.5f, 0, 0)), Matrix44()};
    EXPECT_TRUE(shader->setTransform("g_model", shift));
    EXPECT_TRUE(shader->setMatrixArray("g_palette", unmoved, 2));
    EXPECT_TRUE(shader->setVector("g_color", Vector3(1, 0, 0)));
    draw(*shader, nullptr, left.get());
    expectPixels({{8, 32, kBlack}, {40, 32, kRed}});
    core_->clear(Color(0, 0, 0, 1));
    EXPECT_TRUE(shader->setMatrix("g_model", Matrix44::translation(Vector3(0.5f, 0, 0))));
    EXPECT_TRUE(shader->setMatrixArray("g_palette", moved, 2));
    draw(*shader, nullptr, left.get());
    expectPixels({{30, 32, kBlack}, {50, 32, kRed}});
}

// The empty name chooses the first technique; a value set once serves later draws.
TEST_F(GlTest, EveryPassDrawsAndTechniquesThatCannotRunDrawNothingAndEffectsWithoutOneAreRefused) {
    releaseShaderCompiler();  // effects made after it still compile, and still fail
    // Red, then green added on top by a blending second pass.
    auto shader = compile(R"(uniform vec4 g_color;
vertex VS { attribute vec3 position : POSITION; void main() { gl_Position = vec4(position, 1.0); } }
fragment Flat { void main() { gl_FragColor = g_color; } }
fragment Green { void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); } }
fragment Broken { void main() { gl_FragColor = undefinedColour(); } }
technique Technique1 {
    pass base { VertexProgram = VS; FragmentProgram = Flat; }
    pass glow { VertexProgram = VS; FragmentProgram = Green; BlendEnable = true; BlendFunc = (One, One); DepthFunc = LEqual; }
}
technique Bad { pass { VertexProgram = VS; FragmentProgram = Broken; } })");
    EXPECT_TRUE(shader->setVector("g_color", Vector3(1, 0, 0)));
    EXPECT_FALSE(shader->setVector("g_missing", Vector3(1, 0, 0)));
    EXPECT_EQ(shader->firstPass("Bad"), nullptr);
    for (const char* cannot : {"Bad", "NoSuchTechnique"}) draw(*shader, cannot);
    expectPixels({{32, 32, kBlack}});
    draw(*shader, "Technique1");
    expectPixels({{10, 10, kYellow}});
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the second pass leaves blending as it found it";
    core_->clear(Color(0, 0, 0, 1));
    draw(*shader, "");
    expectPixels({{50, 50, kYellow}});

    LogCapture log;
    EXPECT_EQ(core_->createShader("uniform vec4 g_color;\n\ntechnique T { pass { Bogus = 1; } }\n"), nullptr);
    EXPECT_TRUE(log.saw({"CG Error while compiling:"}) && log.saw({"line 3"})) << log.all();
    EXPECT_EQ(core_->createShader(effect("missing()").c_str()), nullptr);
    EXPECT_TRUE(log.saw({"No technique"}) && log.saw({"missing"})) << log.all();
}

TEST_F(GlTest, EveryPixelFormatUploadsAsRgba) {
    const std::tuple<PixelFormat, std::vector<uint8_t>, std::vector<uint8_t>> cases[] = {
        {PixelFormat::RGBA, {10, 20, 30, 40}, {10, 20, 30, 40}},
        {PixelFormat::BGRA, {10, 20, 30, 40}, {30, 20, 10, 40}},
        {PixelFormat::RGB, {10, 20, 30}, {10, 20, 30, 255}},
        {PixelFormat::BGR, {10, 20, 30}, {30, 20, 10, 255}},
        {PixelFormat::Alpha, {77}, {255, 255, 255, 77}},
    };
    for (const auto& [format, pixel, rgba] : cases) {
        // Three pixels per row: rows whose size is no multiple of four must not be padded.
        std::vector<uint8_t> pixels, expected;
        for (int i = 0; i < 3 * 2; ++i) pixels.insert(pixels.end(), pixel.begin(), pixel.end());
        for (int i = 0; i < 3 * 2; ++i) expected.insert(expected.end(), rgba.begin(), rgba.end());
        std::unique_ptr<Texture> texture(core_->createTexture(textureHeader(format, 3, 2), pixels.data(),
                                                              static_cast<int64_t>(pixels.size())));
        ASSERT_NE(texture, nullptr);
        std::vector<uint8_t> back(3 * 2 * 4);
        ASSERT_TRUE(texture->readPixels(back.data(), static_cast<int64_t>(back.size())));
        EXPECT_EQ(back, expected) << "format " << static_cast<int>(format);
    }
    GLfloat bias = -1;
    glGetFloatv(GL_RED_BIAS, &bias);
    EXPECT_EQ(bias, 0.0f) << "the alpha upload leaves no bias behind";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(GlTest, MipLevelsComeFromTheChainInOrderAndBadTexturesOrReadsAreRefused) {
    // 4 x 4, 2 x 2, 1 x 1, each level one grey.
    std::vector<uint8_t> chain(16, 200);
    chain.insert(chain.end(), 4, 100);
    chain.push_back(50);
    std::unique_ptr<Texture> texture(
        core_->createTexture(textureHeader(PixelFormat::Alpha, 4, 4, 3), chain.data(), 21));
    const uint8_t one[4] = {1, 2, 3, 4};
    std::unique_ptr<Texture> single(core_->createTexture(textureHeader(PixelFormat::RGBA, 1, 1), one, 4));
    ASSERT_TRUE(texture && single);
    std::vector<GLint> got;
    for (const auto& [t, name] :
         {std::pair(texture.get(), GL_TEXTURE_MAX_LEVEL), std::pair(texture.get(), GL_TEXTURE_MIN_FILTER),
          std::pair(single.get(), GL_TEXTURE_MIN_FILTER), std::pair(single.get(), GL_TEXTURE_WRAP_S)}) {
        glBindTexture(GL_TEXTURE_2D, t->getHandle());
        glGetTexParameteriv(GL_TEXTURE_2D, name, &got.emplace_back());
    }
    EXPECT_EQ(got, (std::vector<GLint>{2, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR, GL_REPEAT}));
    glBindTexture(GL_TEXTURE_2D, texture->getHandle());
    for (int level : {1, 2}) {
        GLint w = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
        ASSERT_EQ(w, 4 >> level);
        std::vector<uint8_t> pixels(static_cast<size_t>(w) * w * 4);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        EXPECT_EQ(pixels[pixels.size() - 1], level == 1 ? 100 : 50) << level;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    const GLuint name = texture->getHandle();
    texture.reset();
    EXPECT_FALSE(glIsTexture(name)) << "a texture gives its storage back";

    LogCapture log;
    EXPECT_EQ(core_->createTexture(textureHeader(PixelFormat(5), 2, 2), chain.data(), 16), nullptr);
    EXPECT_EQ(core_->createTexture(textureHeader(PixelFormat::Alpha, 4, 4), chain.data(), 15), nullptr);
    EXPECT_TRUE(log.lines().size() == 2 && log.saw({"16", "15"})) << log.all();
    std::unique_ptr<Texture> blank(core_->createTexture(textureHeader(PixelFormat::RGBA, 4, 2), nullptr, 0));
    ASSERT_NE(blank, nullptr) << "a texture without pixels still has storage";
    std::vector<uint8_t> buffer(33, 0xAB);
    EXPECT_FALSE(blank->readPixels(buffer.data(), 33) || blank->readPixels(buffer.data(), 31));
    EXPECT_EQ(buffer, std::vector<uint8_t>(33, 0xAB)) << "a refused read touches nothing";
    EXPECT_TRUE(blank->readPixels(buffer.data(), 32));
    EXPECT_EQ(buffer.back(), 0xAB);
}

// An alpha-only texture shows white.
TEST_F(GlTest, ASamplerShowsItsTextureOrACopyOfTheFrameAndAClearedOneShowsNone) {
    auto shader =
        compile(effect("texture2D(g_diffuseTexture, vec2(0.5, 0.5))", "uniform sampler2D g_diffuseTexture;"));
    // The centre of the sampled quad drawn over red.
    const auto drawn = [&] {
        core_->clear(Color(1, 0, 0, 1));
        draw(*shader);
        return pixel(32, 32);
    };
    const uint8_t blue[4] = {0, 0, 255, 255};
    std::unique_ptr<Texture> rgbaTexture(
        core_->createTexture(textureHeader(PixelFormat::RGBA, 1, 1), blue, 4));
    EXPECT_TRUE(shader->setTexture("g_diffuseTexture", rgbaTexture.get()));
    EXPECT_FALSE(shader->setTexture("g_envmapTexture", rgbaTexture.get()));
    EXPECT_TRUE(sameColor(drawn(), kBlue));
    const uint8_t opaque = 255;
    std::unique_ptr<Texture> texture(
        core_->createTexture(textureHeader(PixelFormat::Alpha, 1, 1), &opaque, 1));
    EXPECT_TRUE(shader->setTexture("g_diffuseTexture", texture.get()));
    EXPECT_TRUE(sameColor(drawn(), rgba(255, 255, 255, 255)));
    core_->clear(Color(0, 1, 0, 1));
    ASSERT_TRUE(texture->copyFromScreen(*core_));
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0) << "the copy leaves no texture bound";
    // Else readPixels would take a buffer of the old size and GL write the frame past it.
    EXPECT_EQ(std::make_pair(texture->getWidth(), texture->getHeight()), std::make_pair(kSize, kSize));
    std::vector<uint8_t> frame(kSize * kSize * 4);
    ASSERT_TRUE(texture->readPixels(frame.data(), static_cast<int64_t>(frame.size())));
    for (size_t at : {size_t(0), frame.size() - 4})
        EXPECT_EQ(std::vector<uint8_t>(&frame[at], &frame[at] + 4), std::vector<uint8_t>({0, 255, 0, 255}));
    OglCore noWindow;
    EXPECT_FALSE(texture->copyFromScreen(noWindow));
    noWindow.resize(1 << 20, 1);  // wider than any texture: GL refuses the copy
    EXPECT_FALSE(texture->copyFromScreen(noWindow));
    glViewport(0, 0, kSize, kSize);
    EXPECT_TRUE(sameColor(drawn(), kGreen));
    EXPECT_TRUE(shader->setTexture("g_diffuseTexture", nullptr));
    EXPECT_TRUE(sameColor(drawn(), kBlack));
}

TEST_F(GlTest, LoadersRegisterEffectsAndTexturesUnderTheirStemsAndKeepThemOnABadFile) {
    NamedInput fx("/Levels/Common/Shaders/Board.fx", effect());
    ASSERT_TRUE(loadShader("/Levels/Common/Shaders/Board.fx", fx, *core_));
    EXPECT_TRUE(getResource<Shader>("Shaders/Board", "Shader"));
    NamedInput bad("/Levels/Common/Shaders/Cel.fx", std::string("technique {"));
    LogCapture log;
    EXPECT_FALSE(loadShader("/Levels/Common/Shaders/Cel.fx", bad, *core_));
    EXPECT_FALSE(getResource<Shader>("Shaders/Cel", "Shader"));

    VectorOutBuffer out;
    ASSERT_TRUE(writeTextureFile(out, PixelFormat::RGB, 2, 1, 1, {1, 2, 3, 4, 5, 6}));
    NamedInput file("/Themes/Lego/backdrop.texture", out.bytes());
    ASSERT_TRUE(loadTexture("/Themes/Lego/backdrop.texture", file, *core_));
    auto texture = getResource<Texture>("Textures/backdrop", "Texture");
    ASSERT_TRUE(texture);
    std::vector<uint8_t> pixels(8);
    ASSERT_TRUE(texture->readPixels(pixels.data(), 8));
    EXPECT_EQ(pixels, std::vector<uint8_t>({1, 2, 3, 255, 4, 5, 6, 255}));
    // A shorter file of the same name changes nothing.
    NamedInput cut("/Frontend/backdrop.texture",
                   std::vector<unsigned char>(out.bytes().begin(), out.bytes().end() - 1));
    EXPECT_FALSE(loadTexture("/Frontend/backdrop.texture", cut, *core_));
    EXPECT_EQ(getResource<Texture>("Textures/backdrop", "Texture").get(), texture.get());
}

}  // namespace
