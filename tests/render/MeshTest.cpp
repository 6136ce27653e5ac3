// Model and texture files, their meshes and batches. Buffers live in system memory, so a
// core never bound to a window makes them.
#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/Path.h"
#include "core/ResourceManager.h"
#include "core/VectorOutBuffer.h"
#include "render/IndexBuffer.h"
#include "render/Loaders.h"
#include "render/MeshBatch.h"
#include "render/MeshHelp.h"
#include "render/ModelFile.h"
#include "render/TextureFile.h"
#include "render/VertexBuffer.h"
#include "render/gl/OglCore.h"
#include "support/FakeTexture.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/NamedInput.h"
#include "support/OwnProcessWide.h"

using namespace nimbus;

namespace {

// A mesh of `count` vertices whose position x is the vertex number.
ModelMeshData modelMesh(int count, std::vector<uint32_t> indices, const char *texture = "") {
    ModelMeshData mesh;
    for (int i = 0; i < count; ++i) {
        const float f = static_cast<float>(i);
        mesh.vertices.push_back({{f, 10 + f, 20 + f, 99}, {0.25f, 0.5f, 0.75f}, {f / 10, f / 20}, {-1, -2}});
    }
    mesh.indices = std::move(indices);
    mesh.texture = texture;
    return mesh;
}

std::vector<unsigned char> modelFile(const std::vector<ModelMeshData> &meshes) {
    VectorOutBuffer out;
    EXPECT_TRUE(writeModelFile(out, meshes));
    return out.bytes();
}

// Offsets in a file of one mesh.
constexpr size_t kMeshCount = 24 + 24;
constexpr size_t kVertexCount = kMeshCount + 4 + 5;

template <typename Field>
void poke(std::vector<unsigned char> &file, size_t offset, Field value) {
    std::memcpy(file.data() + offset, &value, sizeof value);
}

// Each reads a file: the room made for its contents, or SIZE_MAX when it loaded.
size_t readModel(NamedInput &in) {
    std::vector<ModelMeshData> read;
    return readModelData(in, read) ? SIZE_MAX : read.capacity();
}
size_t readTexture(NamedInput &in) {
    TextureHeader header;
    std::vector<uint8_t> pixels;
    return readTextureFile(in, header, pixels) ? SIZE_MAX : pixels.capacity();
}

// Refused in as many lines as given, naming the file, before room is made for its counts.
void expectRefused(const std::vector<unsigned char> &file, size_t (*read)(NamedInput &), const char *message,
                   size_t lines = 1) {
    NamedInput in("Themes/Common/wood", file);
    LogCapture log;
    EXPECT_LT(read(in), 3u);
    EXPECT_TRUE(log.lines().size() == lines && (!lines || log.saw({"Themes/Common/wood", message})))
        << log.all();
}

TEST(ModelFile, WrittenFilesReadBackMeshByMesh) {
    // The last mesh ends the file with its indices and no texture.
    const std::vector<ModelMeshData> written = {modelMesh(3, {0, 1, 2}, "brick"), modelMesh(2, {}, ""),
                                                modelMesh(5, {4, 3, 2, 1, 0}, "")};
    const auto file = modelFile(written);
    // Take a new hash only after looking at the new bytes.
    EXPECT_EQ(hashBytes(file.data(), file.size()), 0xfb092761e9b4993aull);
    NamedInput in("Brick.model", file);
    std::vector<ModelMeshData> read;
    ASSERT_TRUE(readModelData(in, read));
    EXPECT_EQ(in.bytesLeft(), 0);
    EXPECT_EQ(modelFile(read), file) << "what was read writes the same bytes";
}

TEST(ModelFile, DamagedFilesAreRefusedByNameBeforeAnythingIsAllocated) {
    const auto good = modelFile({modelMesh(3, {0, 1, 2}, "brick")});
    // Where a 32-bit field is damaged, its new value, and what the refusal says.
    const std::tuple<size_t, uint32_t, const char *> cases[] = {
        {0, 'X', "is not a mayamodel file"},
        {24, 'X', "has unknown vertexformat"},
        {kMeshCount + 4, 'X', "is not a dice model file"},
        {kMeshCount, 0xFFFFFFFFu, "meshes"},
        {kMeshCount, 12, "meshes"},  // more than the bytes left could hold at their smallest
        {kVertexCount, 0x7FFFFFFFu, "vertices"},
        {kVertexCount, 4, "vertices"},
        {kVertexCount + 4 + 3 * 44, 0xFFFFFFF0u, "indices"},
    };
    for (const auto &[offset, value, message] : cases) {
        SCOPED_TRACE(message);
        auto file = good;
        poke(file, offset, value);
        expectRefused(file, readModel, message);
    }
    // A record cut inside its magic ends the file without a word.
    auto cut = good;
    poke(cut, kMeshCount, 2u);
    cut.insert(cut.end(), {'M', 'e', 's'});
    expectRefused(cut, readModel, "", 0);
}

std::vector<unsigned char> textureFile(PixelFormat format, int width, int height, int mips) {
    std::vector<uint8_t> pixels(
        static_cast<size_t>(mipChainBytes(textureHeader(format, width, height, mips))));
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
    VectorOutBuffer out;
    EXPECT_TRUE(writeTextureFile(out, format, width, height, mips, pixels));
    return out.bytes();
}

TEST(TextureFile, WrittenFilesReadBackWithTheirWholeMipChain) {
    // 5 x 3 RGB in levels of 5 x 3 and 2 x 1. A new hash only after looking at the new bytes.
    const auto file = textureFile(PixelFormat::RGB, 5, 3, 2);
    EXPECT_EQ(hashBytes(file.data(), file.size()), 0x293971bc6df860f9ull);
    NamedInput in("wood.texture", file);
    TextureHeader header;
    std::vector<uint8_t> pixels;
    ASSERT_TRUE(readTextureFile(in, header, pixels));
    EXPECT_EQ(header.height, 3);
    EXPECT_EQ(pixels, std::vector<uint8_t>(file.begin() + 32, file.end()));
    VectorOutBuffer out;
    EXPECT_FALSE(writeTextureFile(out, PixelFormat::RGBA, 2, 2, 1, std::vector<uint8_t>(15)));
    EXPECT_EQ(out.bytesWritten(), 0);
}

TEST(TextureFile, DamagedOrShortFilesAreRefusedByNameWithoutAllocating) {
    // What is wrong, and the header field and value that make it so.
    const std::tuple<const char *, size_t, int16_t> damages[] = {
        {"format 5", 18, 5},
        {"width 0", 20, 0},
        {"height -4", 22, -4},
        {"no mips", 28, 0},
        {"larger than the data", 20, 8},
        // The pixels are for 4 x 4 in three levels; a fourth would be 0 x 0.
        {"a level of no pixels", 28, 4},
    };
    for (const auto &[what, offset, value] : damages) {
        SCOPED_TRACE(what);
        auto file = textureFile(PixelFormat::RGBA, 4, 4, 3);
        poke(file, offset, value);
        expectRefused(file, readTexture, "");
    }
    auto huge = textureFile(PixelFormat::RGBA, 4, 4, 3);
    poke(huge, 20, int32_t(0x7FFF7FFF));  // 32767 x 32767, 4 GiB of RGBA
    expectRefused(huge, readTexture, "");
    auto cut = textureFile(PixelFormat::Alpha, 4, 4, 1);
    cut.resize(20);
    expectRefused(cut, readTexture, "");
    auto longer = textureFile(PixelFormat::Alpha, 4, 4, 1);
    poke(longer, 12, int32_t(longer.size() + 10));
    expectRefused(
        longer, readTexture,
        "Not enough bytes left in input buffer Themes/Common/wood, expected 26 but there's only 16 left.");
}

TEST(VertexFormat, MasksLayTheirElementsOutInTableOrder) {
    const VertexFormat file(0x07), all(0x3F);
    EXPECT_EQ(std::make_pair(file.stride(), all.stride()), std::make_pair(32u, 56u));
    const std::tuple<const VertexFormat &, VertexUsage, int> cases[] = {
        {file, VertexUsage::Position, 0},    {file, VertexUsage::Normal, 12},
        {file, VertexUsage::TexCoord0, 24},  {file, VertexUsage::Color0, -1},
        {all, VertexUsage::Color0, 32},      {all, VertexUsage::BoneIndices, 36},
        {all, VertexUsage::BlendWeights, 40}};
    for (const auto &[format, usage, offset] : cases) EXPECT_EQ(format.offsetOf(usage), offset) << int(usage);
    EXPECT_EQ(std::make_tuple(all.typeOf(VertexUsage::Color0), all.has(VertexUsage::TexCoord1),
                              file.countOf(VertexUsage::Color0)),
              std::make_tuple(static_cast<uint32_t>(GL_UNSIGNED_BYTE), false, 0u));
}

class MeshTest : public ::testing::Test {
protected:
    std::unique_ptr<Mesh> readOne(const ModelMeshData &data) {
        NamedInput in("One.model", modelFile({data}));
        std::vector<Mesh *> meshes;
        EXPECT_TRUE(readModelFile(meshes, in, core_));
        EXPECT_EQ(meshes.size(), 1u);
        return std::unique_ptr<Mesh>(meshes.empty() ? nullptr : meshes.front());
    }
    static const float *floats(VertexBuffer &vb) { return static_cast<const float *>(vb.lockForRead()); }

    OglCore core_;
    OwnProcessWide<ResourceManager> resources_;
};

TEST_F(MeshTest, AModelRegistersItsFirstMeshUnderItsStemWithTheTextureItNames) {
    auto *texture = new FakeTexture(1, 1);
    registerTexture("Textures/brick", texture);
    const auto file = modelFile({modelMesh(3, {0, 1, 2}, "brick"), modelMesh(4, {}), modelMesh(5, {})});
    NamedInput in("/Themes/Lego/Brick.model", file);
    ASSERT_TRUE(loadModel("/Themes/Lego/Brick.model", in, core_));
    auto mesh = getResource<Mesh>("Meshes/Brick", "Mesh");
    ASSERT_TRUE(mesh && mesh->getTextures().size() == 1);
    EXPECT_EQ(std::make_pair(mesh->getVertexBuffer()->getCount(), mesh->getTextures()[0].get()),
              std::make_pair(3, static_cast<Texture *>(texture)));

    LogCapture log;
    auto bare = readOne(modelMesh(3, {0, 1, 2}, "nowhere"));
    EXPECT_TRUE(bare->getTextures().empty());
    EXPECT_TRUE(log.saw({"Textures/nowhere"})) << log.all();
    // A damaged file leaves the mesh registered before in place; an empty one registers none.
    auto damaged = file;
    damaged[0] = 'X';
    NamedInput bad("/Themes/Common/Brick.model", damaged);
    EXPECT_FALSE(loadModel("/Themes/Common/Brick.model", bad, core_));
    EXPECT_EQ(getResource<Mesh>("Meshes/Brick", "Mesh").get(), mesh.get());
    NamedInput none("/Themes/Common/Nothing.model", modelFile({}));
    EXPECT_FALSE(loadModel("/Themes/Common/Nothing.model", none, core_));
    EXPECT_FALSE(getResource<Mesh>("Meshes/Nothing", "Mesh"));
    // An index past the vertices would make every draw read foreign memory.
    NamedInput broken("Broken.model", modelFile({modelMesh(4, {0, 1, 4})}));
    std::vector<Mesh *> meshes;
    EXPECT_FALSE(readModelFile(meshes, broken, core_));
    EXPECT_TRUE(meshes.empty());
    EXPECT_TRUE(log.saw({"Broken.model", "index 4"})) << log.all();
}

// Position, normal and first texture coordinate and 16-bit indices; the copy number is
// the fourth position component.
TEST_F(MeshTest, AMeshKeepsWhatItDrawsAndABatchRepeatsItTwelveTimesWithItsCopyNumber) {
    registerTexture("Textures/brick", new FakeTexture(1, 1));
    auto source = readOne(modelMesh(4, {0x10000, 0xFFFF0001, 2, 2, 3, 0}, "brick"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(std::make_pair(source->getPrimitiveType(), source->getElementCount()),
              std::make_pair(PrimitiveType::Triangles, 6));
    const uint16_t *indices = source->getIndexBuffer()->lockForRead();
    EXPECT_EQ(std::vector<uint16_t>(indices, indices + 6), (std::vector<uint16_t>{0, 1, 2, 2, 3, 0}));
    std::unique_ptr<MeshBatch> batch(buildMeshBatch(*source, core_));
    ASSERT_NE(batch, nullptr);
    VertexBuffer &vb = *batch->getVertexBuffer();
    ASSERT_EQ(std::make_pair(batch->getBatchSize(), vb.getCount()), std::make_pair(12, 48));
    const VertexFormat &format = vb.getFormat();
    EXPECT_EQ(std::make_tuple(format.stride(), format.countOf(VertexUsage::Position),
                              format.offsetOf(VertexUsage::Normal), format.offsetOf(VertexUsage::TexCoord0)),
              std::make_tuple(36u, 4u, 16, 28));
    std::vector<float> want;
    for (int k = 0; k < 12; ++k)
        for (int i = 0; i < 4; ++i)
            want.insert(want.end(),
                        {float(i), 10.0f + i, 20.0f + i, float(k), 0.25f, 0.5f, 0.75f, i / 10.0f, i / 20.0f});
    EXPECT_EQ(std::vector<float>(floats(vb), floats(vb) + want.size()), want);
    ASSERT_EQ(batch->getIndexBuffer()->getCount(), 72);
    EXPECT_EQ(batch->getIndexBuffer()->lockForRead()[7 * 6 + 4], 3 + 7 * 4);
    ASSERT_EQ(batch->getTextures().size(), 1u);
    EXPECT_EQ(batch->getTextures()[0].get(), source->getTextures()[0].get());
    EXPECT_EQ(source->getVertexBuffer()->getFormat().stride(), 32u) << "the source stays as it was";

    auto unindexed = readOne(modelMesh(3, {}));
    std::unique_ptr<MeshBatch> plain(buildMeshBatch(*unindexed, core_));
    EXPECT_EQ(std::make_pair(unindexed->getIndexBuffer(), unindexed->getElementCount()),
              std::make_pair(static_cast<IndexBuffer *>(nullptr), 3));
    EXPECT_EQ(std::make_pair(plain->getIndexBuffer(), plain->getVertexBuffer()->getCount()),
              std::make_pair(static_cast<IndexBuffer *>(nullptr), 36));
    EXPECT_FLOAT_EQ(floats(*plain->getVertexBuffer())[(5 * 3 + 2) * 9 + 3], 5.0f);

    // 12 x 5462 vertices would need index 65543.
    auto big = readOne(modelMesh(5462, {0, 1, 2}));
    LogCapture log;
    EXPECT_EQ(buildMeshBatch(*big, core_), nullptr);
    EXPECT_EQ(log.lines().size(), 1u);
    auto fits = readOne(modelMesh(5461, {0, 1, 5460}));
    std::unique_ptr<MeshBatch> largest(buildMeshBatch(*fits, core_));
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->getIndexBuffer()->lockForRead()[11 * 3 + 2], 65531);
}

}  // namespace
