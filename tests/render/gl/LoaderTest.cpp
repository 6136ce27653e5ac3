#include <memory>
#include <string>
#include <vector>

#include "../assets/NamedInput.h"
#include "../support/LogCapture.h"
#include "GlTestWindow.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "core/VectorOutBuffer.h"
#include "render/Camera.h"
#include "render/Loaders.h"
#include "render/Texture.h"
#include "render/TextureFile.h"

using namespace nimbus;

namespace {

class LoaderTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        previous_ = setResourceManager(&resources_);
    }
    void TearDown() override {
        setResourceManager(previous_);
        GlTest::TearDown();
    }

    ResourceManager resources_;
    ResourceManager* previous_ = nullptr;
};

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

}  // namespace

TEST_F(LoaderTest, EffectsAndTexturesAreRegisteredUnderTheirStems) {
    const auto effect = bytesOf(kFlatEffect);
    NamedInput fx("/Levels/Common/Shaders/Board.fx", effect);
    ASSERT_TRUE(loadShader("/Levels/Common/Shaders/Board.fx", fx, *core_));
    EXPECT_TRUE(getResource<Shader>("Shaders/Board", "Shader"));

    const auto broken = bytesOf("technique {");
    NamedInput bad("/Levels/Common/Shaders/Cel.fx", broken);
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
    auto cut = out.bytes();
    cut.pop_back();
    NamedInput shortFile("/Frontend/backdrop.texture", cut);
    EXPECT_FALSE(loadTexture("/Frontend/backdrop.texture", shortFile, *core_));
    EXPECT_TRUE(log.saw({"Not enough bytes left in input buffer /Frontend/backdrop.texture"})) << log.all();
    EXPECT_EQ(getResource<Texture>("Textures/backdrop", "Texture").get(), texture.get());
}

TEST_F(GlTest, TheCameraHandsItsMatricesToTheEffect) {
    auto shader = compile(R"(
uniform mat4 g_viewProjection;
uniform mat4 g_view;
uniform vec4 g_color;
vertex VS {
    attribute vec3 position : POSITION;
    void main() { gl_Position = g_viewProjection * vec4(position, 1.0); }
}
fragment FS { void main() { gl_FragColor = g_color + g_view[3]; } }
technique Technique1 { pass { VertexProgram = VS; FragmentProgram = FS; } }
)");
    Camera camera = makeStandardCamera();
    Transform place;
    place.t = Vector3(0, 0, 0.25f);
    camera.setTransform(place);
    camera.apply(*shader);
    shader->setVector("g_color", Vector3(0.5f, 0, 0));
    // A small square ten units ahead shows at the centre only.
    auto vb = quad(-0.5f, -0.5f, 0.5f, 0.5f, -10.0f);
    core_->draw(PrimitiveType::Quads, 4, 0, vb.get(), nullptr, shader.get(), nullptr);
    // g_view's translation column is (0, 0, -0.25, 1): red 0.5, blue cut to 0.
    EXPECT_TRUE(sameColor(pixel(32, 32), rgba(128, 0, 0, 255)));
    EXPECT_TRUE(sameColor(pixel(2, 32), rgba(0, 0, 0, 255)));
}
