#include <gtest/gtest.h>

#include <cstring>

#include "../support/LogCapture.h"
#include "ModelData.h"
#include "NamedInput.h"

using namespace nimbus;

namespace {

// Offsets in a file of one mesh.
constexpr size_t kMeshCount = 24 + 24;
constexpr size_t kVertexCount = kMeshCount + 4 + 5;

void poke32(std::vector<unsigned char>& file, size_t offset, uint32_t value) {
    std::memcpy(file.data() + offset, &value, 4);
}

}  // namespace

TEST(ModelFile, WrittenFilesReadBackMeshByMesh) {
    const std::vector<ModelMeshData> written = {modelMesh(3, {0, 1, 2}, "brick"), modelMesh(2, {}, "")};
    const auto file = modelFile(written);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data())), "Nimbus MayaModel [v1.0]");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()) + 24), "Position Normal Uv0 Uv1");

    NamedInput in("Brick.model", file);
    std::vector<ModelMeshData> read;
    ASSERT_TRUE(readModelData(in, read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(in.bytesLeft(), 0);
    for (size_t m = 0; m < 2; ++m) {
        ASSERT_EQ(read[m].vertices.size(), written[m].vertices.size());
        EXPECT_EQ(std::memcmp(read[m].vertices.data(), written[m].vertices.data(),
                              written[m].vertices.size() * sizeof(ModelVertex)),
                  0);
        EXPECT_EQ(read[m].indices, written[m].indices);
        EXPECT_EQ(read[m].texture, written[m].texture);
    }
}

TEST(ModelFile, ForeignFilesAreRefusedByName) {
    const auto good = modelFile({modelMesh(3, {0, 1, 2})});
    struct Case {
        size_t offset;
        const char* message;
    };
    const Case cases[] = {
        {0, "Die.model is not a mayamodel file"},
        {24, "Die.model has unknown vertexformat"},
        {kMeshCount + 4, "Die.model is not a dice model file"},
    };
    for (const Case& c : cases) {
        auto file = good;
        file[c.offset] = 'X';
        NamedInput in("Die.model", file);
        std::vector<ModelMeshData> read;
        LogCapture log;
        EXPECT_FALSE(readModelData(in, read));
        EXPECT_TRUE(log.saw({c.message})) << log.all();
    }

    // A record cut inside its magic ends the file without a word.
    auto cut = good;
    poke32(cut, kMeshCount, 2);
    cut.insert(cut.end(), {'M', 'e', 's'});
    NamedInput in("Cut.model", cut);
    std::vector<ModelMeshData> read;
    LogCapture log;
    EXPECT_FALSE(readModelData(in, read));
    EXPECT_TRUE(log.lines().empty());
}

TEST(ModelFile, CountsPastTheFileAreRefusedBeforeAllocating) {
    const auto good = modelFile({modelMesh(3, {0, 1, 2}, "brick")});
    const size_t indexCount = kVertexCount + 4 + 3 * 44;
    struct Case {
        size_t offset;
        uint32_t value;
        const char* what;
    };
    const Case cases[] = {
        {kMeshCount, 0xFFFFFFFFu, "meshes"},
        {kVertexCount, 0x7FFFFFFFu, "vertices"},
        {kVertexCount, 4, "vertices"},
        {indexCount, 0xFFFFFFF0u, "indices"},
    };
    for (const Case& c : cases) {
        auto file = good;
        poke32(file, c.offset, c.value);
        NamedInput in("Themes/Lego/Brick.model", file);
        std::vector<ModelMeshData> read;
        LogCapture log;
        EXPECT_FALSE(readModelData(in, read)) << c.what << " " << c.value;
        EXPECT_TRUE(log.saw({"Themes/Lego/Brick.model", c.what})) << log.all();
        EXPECT_LT(read.capacity(), 3u) << "no room is made for counts the file cannot hold";
    }

    ModelMeshData mesh;
    auto file = good;
    poke32(file, kVertexCount, 0x7FFFFFFFu);
    const std::vector<unsigned char> record(file.begin() + kMeshCount + 4, file.end());
    NamedInput in("Brick.model", record);
    LogCapture log;
    EXPECT_FALSE(readMeshData(in, mesh));
    EXPECT_EQ(mesh.vertices.capacity(), 0u);
}
