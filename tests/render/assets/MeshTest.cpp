#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "../support/LogCapture.h"
#include "ModelData.h"
#include "NamedInput.h"
#include "core/Path.h"
#include "core/ResourceManager.h"
#include "render/IndexBuffer.h"
#include "render/Loaders.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"
#include "render/VertexBuffer.h"
#include "render/gl/OglCore.h"

using namespace nimbus;

namespace {

// Buffers live in system memory, so a core that was never bound to a window makes them.
class MeshTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = setResourceManager(&resources_); }
    void TearDown() override { setResourceManager(previous_); }

    std::unique_ptr<Mesh> readOne(const ModelMeshData& data) {
        const auto file = modelFile({data});
        NamedInput in("One.model", file);
        std::vector<Mesh*> meshes;
        EXPECT_TRUE(readModelFile(meshes, in, core_));
        EXPECT_EQ(meshes.size(), 1u);
        return std::unique_ptr<Mesh>(meshes.empty() ? nullptr : meshes.front());
    }

    OglCore core_;
    ResourceManager resources_;
    ResourceManager* previous_ = nullptr;
};

class FakeTexture : public Texture {
public:
    int32_t getWidth() const override { return 1; }
    int32_t getHeight() const override { return 1; }
    uint32_t getHandle() const override { return 7; }
    bool readPixels(void*, int64_t) override { return false; }
    bool copyFromScreen(Core&) override { return false; }
};

const float* floats(VertexBuffer& vb) { return static_cast<const float*>(vb.lockForRead()); }

}  // namespace

TEST(VertexFormat, MasksLayTheirElementsOutInTableOrder) {
    const VertexFormat file(0x07);
    EXPECT_EQ(file.stride(), 32u);
    EXPECT_EQ(file.offsetOf(VertexUsage::Position), 0);
    EXPECT_EQ(file.offsetOf(VertexUsage::Normal), 12);
    EXPECT_EQ(file.offsetOf(VertexUsage::TexCoord0), 24);
    EXPECT_EQ(file.offsetOf(VertexUsage::Color0), -1);

    const VertexFormat all(0x3F);
    EXPECT_EQ(all.stride(), 56u);
    EXPECT_EQ(all.offsetOf(VertexUsage::Color0), 32);
    EXPECT_EQ(all.typeOf(VertexUsage::Color0), static_cast<uint32_t>(GL_UNSIGNED_BYTE));
    EXPECT_EQ(all.offsetOf(VertexUsage::BoneIndices), 36);
    EXPECT_EQ(all.offsetOf(VertexUsage::BlendWeights), 40);
    EXPECT_FALSE(all.has(VertexUsage::TexCoord1));
}

TEST_F(MeshTest, FileVerticesKeepPositionNormalAndFirstUv) {
    auto mesh = readOne(modelMesh(3, {2, 1, 0}));
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->getPrimitiveType(), PrimitiveType::Triangles);
    VertexBuffer& vb = *mesh->getVertexBuffer();
    EXPECT_EQ(vb.getCount(), 3);
    EXPECT_EQ(vb.getFormat().stride(), 32u);
    const float* v = floats(vb) + 8;  // vertex 1
    const float want[] = {1, 11, 21, 0.25f, 0.5f, 0.75f, 0.1f, 0.05f};
    for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(v[i], want[i]) << i;
    EXPECT_EQ(mesh->getElementCount(), 3);
    EXPECT_TRUE(mesh->getTextures().empty());
}

TEST_F(MeshTest, IndicesKeepTheirLowSixteenBitsAndMayNotPassTheVertices) {
    auto mesh = readOne(modelMesh(4, {0x10002, 0xFFFF0001, 3}));
    ASSERT_NE(mesh, nullptr);
    const uint16_t* indices = mesh->getIndexBuffer()->lockForRead();
    EXPECT_EQ(indices[0], 2);
    EXPECT_EQ(indices[1], 1);
    EXPECT_EQ(indices[2], 3);

    const auto file = modelFile({modelMesh(4, {0, 1, 4})});
    NamedInput in("Broken.model", file);
    std::vector<Mesh*> meshes;
    LogCapture log;
    EXPECT_FALSE(readModelFile(meshes, in, core_));
    EXPECT_TRUE(meshes.empty());
    EXPECT_TRUE(log.saw({"Broken.model", "index 4"})) << log.all();

    auto unindexed = readOne(modelMesh(5, {}));
    EXPECT_EQ(unindexed->getIndexBuffer(), nullptr);
    EXPECT_EQ(unindexed->getElementCount(), 5);
}

TEST_F(MeshTest, AMeshHoldsTheTextureItsFileNames) {
    auto* texture = new FakeTexture();
    registerTexture("Textures/brick", texture);
    auto mesh = readOne(modelMesh(3, {0, 1, 2}, "brick"));
    ASSERT_EQ(mesh->getTextures().size(), 1u);
    EXPECT_EQ(mesh->getTextures()[0].get(), texture);

    LogCapture log;
    auto bare = readOne(modelMesh(3, {0, 1, 2}, "nowhere"));
    EXPECT_TRUE(bare->getTextures().empty());
    EXPECT_TRUE(log.saw({"Textures/nowhere"})) << log.all();
}

TEST_F(MeshTest, AModelRegistersItsFirstMeshUnderItsStem) {
    const auto file = modelFile({modelMesh(3, {0, 1, 2}), modelMesh(4, {}), modelMesh(5, {})});
    NamedInput in("/Themes/Lego/Brick.model", file);
    ASSERT_TRUE(loadModel("/Themes/Lego/Brick.model", in, core_));
    auto mesh = getResource<Mesh>("Meshes/Brick", "Mesh");
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->getVertexBuffer()->getCount(), 3);

    // A damaged file leaves the mesh registered before in place.
    auto damaged = file;
    damaged[0] = 'X';
    NamedInput bad("/Themes/Common/Brick.model", damaged);
    LogCapture log;
    EXPECT_FALSE(loadModel("/Themes/Common/Brick.model", bad, core_));
    EXPECT_EQ(getResource<Mesh>("Meshes/Brick", "Mesh").get(), mesh.get());

    const auto empty = modelFile({});
    NamedInput none("/Themes/Common/Nothing.model", empty);
    EXPECT_FALSE(loadModel("/Themes/Common/Nothing.model", none, core_));
    EXPECT_FALSE(getResource<Mesh>("Meshes/Nothing", "Mesh"));
}

TEST_F(MeshTest, ABatchRepeatsTheMeshTwelveTimesWithItsCopyNumber) {
    auto* texture = new FakeTexture();
    registerTexture("Textures/brick", texture);
    auto source = readOne(modelMesh(4, {0, 1, 2, 2, 3, 0}, "brick"));
    std::unique_ptr<MeshBatch> batch(buildMeshBatch(*source, core_));
    ASSERT_NE(batch, nullptr);
    EXPECT_EQ(batch->getBatchSize(), 12);
    VertexBuffer& vb = *batch->getVertexBuffer();
    ASSERT_EQ(vb.getCount(), 48);
    const VertexFormat& format = vb.getFormat();
    EXPECT_EQ(format.stride(), 36u);
    EXPECT_EQ(format.countOf(VertexUsage::Position), 4u);
    EXPECT_EQ(format.offsetOf(VertexUsage::Normal), 16);
    EXPECT_EQ(format.offsetOf(VertexUsage::TexCoord0), 28);
    for (int k = 0; k < 12; ++k) {
        for (int i = 0; i < 4; ++i) {
            const float* v = floats(vb) + (k * 4 + i) * 9;
            EXPECT_FLOAT_EQ(v[0], static_cast<float>(i));
            EXPECT_FLOAT_EQ(v[3], static_cast<float>(k));
            EXPECT_FLOAT_EQ(v[4], 0.25f);
            EXPECT_FLOAT_EQ(v[8], i / 20.0f);
        }
    }
    IndexBuffer& ib = *batch->getIndexBuffer();
    ASSERT_EQ(ib.getCount(), 72);
    EXPECT_EQ(ib.lockForRead()[7 * 6 + 4], 3 + 7 * 4);
    ASSERT_EQ(batch->getTextures().size(), 1u);
    EXPECT_EQ(batch->getTextures()[0].get(), texture);
    EXPECT_EQ(source->getVertexBuffer()->getCount(), 4) << "the source stays as it was";
    EXPECT_EQ(source->getVertexBuffer()->getFormat().stride(), 32u);

    auto unindexed = readOne(modelMesh(3, {}));
    std::unique_ptr<MeshBatch> plain(buildMeshBatch(*unindexed, core_));
    EXPECT_EQ(plain->getIndexBuffer(), nullptr);
    EXPECT_EQ(plain->getVertexBuffer()->getCount(), 36);
    EXPECT_FLOAT_EQ(floats(*plain->getVertexBuffer())[(5 * 3 + 2) * 9 + 3], 5.0f);
}

TEST_F(MeshTest, ABatchWhoseIndicesWouldWrapIsRefused) {
    // 12 x 5462 vertices need index 65543.
    auto big = readOne(modelMesh(5462, {0, 1, 2}));
    LogCapture log;
    EXPECT_EQ(buildMeshBatch(*big, core_), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
    auto fits = readOne(modelMesh(5461, {0, 1, 5460}));
    std::unique_ptr<MeshBatch> batch(buildMeshBatch(*fits, core_));
    ASSERT_NE(batch, nullptr);
    EXPECT_EQ(batch->getIndexBuffer()->lockForRead()[11 * 3 + 2], 65531);
}
