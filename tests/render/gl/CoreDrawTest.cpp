#include <GL/glew.h>

#include <cstdint>
#include <cstring>

#include "../support/LogCapture.h"
#include "GlTestWindow.h"
#include "core/math/Transform.h"
#include "core/math/Vector4.h"
#include "render/IndexBuffer.h"
#include "render/gl/OglCore.h"

using namespace nimbus;

namespace {

constexpr uint32_t kBlack = rgba(0, 0, 0, 255);
constexpr uint32_t kRed = rgba(255, 0, 0, 255);
constexpr uint32_t kGreen = rgba(0, 255, 0, 255);
constexpr uint32_t kYellow = rgba(255, 255, 0, 255);

// Red, then green added on top by a blending second pass.
const char* const kTwoPasses = R"(
uniform vec4 g_color;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); }
}
fragment Flat { void main() { gl_FragColor = g_color; } }
fragment Green { void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); } }
technique Technique1 {
    pass base { VertexProgram = VS; FragmentProgram = Flat; }
    pass glow {
        VertexProgram = VS; FragmentProgram = Green;
        BlendEnable = true; BlendFunc = (One, One); DepthFunc = LEqual;
    }
}
)";

}  // namespace

TEST_F(GlTest, EveryPassDrawsAndAValueSetOnceServesLaterDraws) {
    auto shader = compile(kTwoPasses);
    auto vb = quad(-1, -1, 1, 1);
    EXPECT_TRUE(shader->setVector("g_color", Vector3(1, 0, 0)));
    EXPECT_FALSE(shader->setVector("g_missing", Vector3(1, 0, 0)));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(10, 10), kYellow));
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the second pass leaves blending as it found it";

    // Nothing set again; the empty name picks the first technique.
    core_->clear(Color(0, 0, 0, 1));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "");
    EXPECT_TRUE(sameColor(pixel(50, 50), kYellow));
}

TEST_F(GlTest, IndexedDrawsStartAtTheFirstIndex) {
    auto shader = compile(kFlatEffect);
    shader->setVector("g_color", Vector3(0, 1, 0));
    std::unique_ptr<VertexBuffer> vb(core_->createVertexBuffer(8, VertexFormat(0x01), false));
    const float corners[] = {-1, -1, 0, 0, -1, 0, 0, 1, 0, -1, 1, 0,   // left half
                             0,  -1, 0, 1, -1, 0, 1, 1, 0, 0,  1, 0};  // right half
    std::memcpy(vb->lockForWrite(), corners, sizeof corners);
    vb->unlock();
    std::unique_ptr<IndexBuffer> ib(core_->createIndexBuffer(12, false));
    const uint16_t indices[] = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
    std::memcpy(ib->lockForWrite(), indices, sizeof indices);
    ib->unlock();
    EXPECT_EQ(ib->getIndexSize(), 2);

    core_->draw(PrimitiveType::Triangles, 6, 6, vb.get(), ib.get(), shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(16, 32), kBlack));
    EXPECT_TRUE(sameColor(pixel(48, 32), kGreen));
}

TEST_F(GlTest, PointSpritesAreSizedByTheProgramOnlyWithoutIndices) {
    auto shader = compile(R"(
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); gl_PointSize = 9.0; }
}
fragment FS { void main() { gl_FragColor = vec4(gl_PointCoord.x, 1.0, 0.0, 1.0); } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    // The centre of pixel (32, 32).
    std::unique_ptr<VertexBuffer> vb(core_->createVertexBuffer(1, VertexFormat(0x01), false));
    const float point[] = {0.5f / 32, 0.5f / 32, 0};
    std::memcpy(vb->lockForWrite(), point, sizeof point);
    vb->unlock();

    core_->draw(PrimitiveType::PointSprites, 1, 0, vb.get(), nullptr, shader.get(), nullptr);
    const uint32_t left = pixel(29, 32), right = pixel(35, 32);
    EXPECT_EQ(left >> 16 & 0xFF, 255u) << "a nine-pixel sprite";
    EXPECT_EQ(right >> 16 & 0xFF, 255u);
    EXPECT_LT(left >> 24, right >> 24) << "the sprite coordinate runs left to right";
    EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_PROGRAM_POINT_SIZE));

    core_->clear(Color(0, 0, 0, 1));
    std::unique_ptr<IndexBuffer> ib(core_->createIndexBuffer(1, false));
    ib->lockForWrite()[0] = 0;
    ib->unlock();
    core_->draw(PrimitiveType::PointSprites, 1, 0, vb.get(), ib.get(), shader.get(), nullptr);
    EXPECT_EQ(pixel(32, 32) >> 16 & 0xFF, 255u) << "a plain point";
    EXPECT_TRUE(sameColor(pixel(35, 32), kBlack));
}

TEST_F(GlTest, ArraySettersSetTheDeclaredOrTheGivenElementsWhicheverAreFewer) {
    auto shader = compile(R"(
uniform vec4 g_colorPalette[3];
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); }
}
fragment FS {
    void main() { gl_FragColor = g_colorPalette[int(min(gl_FragCoord.x / 16.0, 2.0))]; }
}
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    auto vb = quad(-1, -1, 1, 1);
    const Vector4 colors[] = {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}};
    EXPECT_TRUE(shader->setVectorArray("g_colorPalette", colors, 5));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(8, 8), kRed));
    EXPECT_TRUE(sameColor(pixel(24, 8), kGreen));
    EXPECT_TRUE(sameColor(pixel(40, 8), rgba(0, 0, 255, 255)));

    const Vector4 white[] = {{1, 1, 1, 1}};
    EXPECT_TRUE(shader->setVectorArray("g_colorPalette", white, 1));
    core_->clear(Color(0, 0, 0, 1));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(8, 8), rgba(255, 255, 255, 255)));
    EXPECT_TRUE(sameColor(pixel(24, 8), kGreen));
}

TEST_F(GlTest, TransformsArriveWithTheirRowsAsColumns) {
    auto shader = compile(R"(
uniform mat4 g_modelTransform;
uniform vec4 g_color;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = g_modelTransform * vec4(position, 1.0); }
}
fragment FS { void main() { gl_FragColor = g_color; } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    auto vb = quad(-1, -1, 0, 1);
    Transform shift;
    shift.t = Vector3(0.5f, 0, 0);
    EXPECT_TRUE(shader->setTransform("g_modelTransform", shift));
    EXPECT_TRUE(shader->setVector("g_color", Vector3(1, 0, 0)));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(8, 32), kBlack));
    EXPECT_TRUE(sameColor(pixel(40, 32), kRed));

    core_->clear(Color(0, 0, 0, 1));
    EXPECT_TRUE(shader->setMatrix("g_modelTransform", Matrix44::translation(Vector3(1.0f, 0, 0))));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(30, 32), kBlack));
    EXPECT_TRUE(sameColor(pixel(50, 32), kRed));
}

TEST_F(GlTest, LinesAreDrawnThroughTheEffect) {
    auto shader = compile(kFlatEffect);
    shader->setVector("g_color", Vector3(0, 1, 0));
    const float y = 0.5f / 32;  // the centre of row 32
    core_->drawLine(Vector4(-1, y, 0, 1), Vector4(1, y, 0, 1), Color(1, 1, 1, 1), shader.get(), "Technique1");
    EXPECT_TRUE(sameColor(pixel(10, 32), kGreen));
    EXPECT_TRUE(sameColor(pixel(10, 40), kBlack));
}

TEST_F(GlTest, TechniquesThatCannotRunDrawNothing) {
    auto shader = compile(R"(
uniform vec4 g_color;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = vec4(position, 1.0); }
}
fragment Flat { void main() { gl_FragColor = g_color; } }
fragment Broken { void main() { gl_FragColor = undefinedColour(); } }
technique Good { pass { VertexProgram = VS; FragmentProgram = Flat; } }
technique Bad { pass { VertexProgram = VS; FragmentProgram = Broken; } }
)");
    auto vb = quad(-1, -1, 1, 1);
    shader->setVector("g_color", Vector3(1, 0, 0));
    EXPECT_EQ(shader->firstPass("Bad"), nullptr);
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Bad");
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "NoSuchTechnique");
    EXPECT_TRUE(sameColor(pixel(32, 32), kBlack));
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), "Good");
    EXPECT_TRUE(sameColor(pixel(32, 32), kRed));
}

TEST_F(GlTest, EffectsThatCannotBeUsedAreRefusedWithTheirListing) {
    {
        LogCapture log;
        EXPECT_EQ(core_->createShader("uniform vec4 g_color;\n\ntechnique T { pass { Bogus = 1; } }\n"), nullptr);
        EXPECT_TRUE(log.saw({"CG Error while compiling:"}));
        EXPECT_TRUE(log.saw({"line 3"})) << log.all();
    }
    {
        LogCapture log;
        EXPECT_EQ(core_->createShader(R"(
vertex VS { attribute vec3 position : POSITION; void main() { gl_Position = vec4(position, 1.0); } }
fragment FS { void main() { gl_FragColor = missing(); } }
technique T { pass { VertexProgram = VS; FragmentProgram = FS; } }
)"),
                  nullptr);
        EXPECT_TRUE(log.saw({"No technique"})) << log.all();
        EXPECT_TRUE(log.saw({"missing"})) << log.all();
    }
}

TEST_F(GlTest, ADrawPastTheEndOfItsBufferIsRefused) {
    auto shader = compile(kFlatEffect);
    shader->setVector("g_color", Vector3(1, 0, 0));
    auto vb = quad(-1, -1, 1, 1);
    LogCapture log;
    core_->draw(PrimitiveType::Quads, 8, 0, vb.get(), nullptr, shader.get(), nullptr);
    core_->draw(PrimitiveType::Quads, 4, 2, vb.get(), nullptr, shader.get(), nullptr);
    core_->draw(PrimitiveType::Quads, -4, 0, vb.get(), nullptr, shader.get(), nullptr);
    EXPECT_TRUE(sameColor(pixel(32, 32), kBlack));
    EXPECT_EQ(log.lines().size(), 3u);
}

TEST_F(GlTest, ACoreBindsToABorrowedContextAndLeavesItAlive) {
    int32_t w = -1, h = -1;
    core_->getSize(w, h);
    EXPECT_EQ(w, kSize);
    EXPECT_EQ(h, kSize);

    auto* other = new OglCore();
    other->getSize(w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    EXPECT_FALSE(other->initialize(CoreDesc()));

    CoreDesc desc = windowDesc();
    ASSERT_NE(desc.window, nullptr);
    desc.width = 20;
    desc.height = 10;
    desc.verticalSync = false;
    EXPECT_TRUE(other->initialize(desc));
    other->getSize(w, h);
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 10);
    delete other;

    ASSERT_EQ(windowDesc().glContext, desc.glContext);
    glViewport(0, 0, kSize, kSize);
    auto shader = compile(kFlatEffect);
    shader->setVector("g_color", Vector3(1, 0, 0));
    auto vb = quad(-1, -1, 1, 1);
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), nullptr);
    EXPECT_TRUE(sameColor(pixel(32, 32), kRed));
}
