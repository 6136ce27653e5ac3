// The model tool on every option, and the data directory's models read back by the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "ArtFiles.h"
#include "Image.h"
#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/math/Vector3.h"
#include "game/DataLayout.h"
#include "support/Golden.h"
#include "support/LogCapture.h"
#include "support/TempFolder.h"

namespace nimbus {
namespace {

// Keys on their own and following lines, rotations then offset, rounded corners under an uneven scale, no
// bottom but in the closed build, an open bevelled cylinder with a coarse count, a stretched sphere projected
// onto an area, a bevelled concave L with a swatch, a painted clockwise arrow the coarse build leaves out and
// names its picture for; all lifted to stand on the ground.
const char kEveryShape[] = R"(# a comment
texture Golden stand
painting Painted
box size 1 2 3 rotate x 90 rotate y 90 at 5 0 0
box size 1 0.6 0.8 radius 0.1 segments 3 scale 1 2 1 open bottom-at-rest  # trailing comment
    face -x 0 0.5 0.125 1  face +x 0.125 0.5 0.25 1  face -y 0.25 0.5 0.375 1
    face +y 0.375 0.5 0.5 1  face -z 0.5 0.5 0.625 1  face +z 0.625 0.5 0.75 1
cylinder radius 0.5 height 2 bevel 0.1 segments 12 coarse 5 open bottom at 0 -3 0
sphere radius 1 segments 8 scale 2 1 1 project y area -1 -1 1 1 uv 0 0 0.5 0.5 rotate z 30
prism height 0.5 bevel 0.05 point 0 0 point 2 0 point 2 1 point 1 1 point 1 2 point 0 2
    project x swatch 0.375 0.625
prism height 0.2 point -0.22 0.06 point 0.04 0.06 point 0.04 0.16 point 0.27 0 point 0.04 -0.16
    point 0.04 -0.06 point -0.22 -0.06 bevel 0.02 project z painted
)";

TEST(ModelBuilder, EveryShapeAndOptionBuildsTheSameModelFileEveryTime) {
    ModelDescription model;
    ASSERT_TRUE(ShapeFile::parse(kEveryShape, "every.shape", model));
    TempFolder folder;
    ASSERT_TRUE(writeModel(model, "every.shape", folder.file("full.model")));
    ASSERT_TRUE(writeModel(coarseModel(model), "every.shape", folder.file("coarse.model")));
    ASSERT_TRUE(writeModel(closedModel(model), "every.shape", folder.file("closed.model")));
    EXPECT_EQ(fingerprint(readFile(folder.file("full.model"))), 0xa03c88b9460c865eull)
        << "the full model changed";
    EXPECT_EQ(fingerprint(readFile(folder.file("coarse.model"))), 0x8042bcd81481f06dull)
        << "the coarse model changed";
    EXPECT_EQ(fingerprint(readFile(folder.file("closed.model"))), 0x3781d33010ff4fb6ull)
        << "the closed model changed";
}

TEST(ModelBuilder, RefusesAModelBeyondSixteenBitIndicesNamingTheLine) {
    std::string text = "texture T\n";
    for (int i = 0; i < 6; ++i) text += "sphere radius 1 segments 256\n";
    ModelDescription model;
    ASSERT_TRUE(ShapeFile::parse(text, "huge.shape", model));
    LogCapture log;
    ModelMeshData mesh;
    EXPECT_FALSE(buildModel(model, "huge.shape", mesh));
    EXPECT_TRUE(log.saw({"huge.shape:", "16-bit"})) << log.all();
    EXPECT_TRUE(mesh.vertices.empty());
}

std::string inData(const std::string& relative) { return NIMBUS_DATA_DIR "/" + relative; }

ModelMeshData load(const std::string& name) {
    std::vector<ModelMeshData> meshes;
    EXPECT_TRUE(readModel(inData(name) + ".model", meshes)) << name;
    EXPECT_EQ(meshes.size(), 1u) << name;
    return meshes.empty() ? ModelMeshData() : meshes.front();
}

Vector3 normalOf(const ModelVertex& v) { return {v.normal[0], v.normal[1], v.normal[2]}; }

struct Extent {
    Vector3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    Vector3 size() const { return high - low; }
};

Extent extentOf(const ModelMeshData& m) {
    Extent e;
    for (const ModelVertex& v : m.vertices) {
        const Vector3 p{v.position[0], v.position[1], v.position[2]};
        e.low = {std::min(e.low.x, p.x), std::min(e.low.y, p.y), std::min(e.low.z, p.z)};
        e.high = {std::max(e.high.x, p.x), std::max(e.high.y, p.y), std::max(e.high.z, p.z)};
    }
    return e;
}

// Each names a texture beside it or among the common ones. Tiles sit at y = -0.1 and the
// die's bottom at y = 0; twelve tiles fit one batch of 16-bit indices; only the closed tile,
// which falls, faces down; pick-ups stand on their origin and the arrow points along +x.
TEST(ArtModels, EveryModelIsOneWellFormedMeshSizedAndPlacedForTheBoard) {
    enum Kind { Tile, ClosedTile, PickUp, Other };
    const char* const common = kCommonThemeFolder;
    std::vector<std::tuple<const char*, const char*, Kind>> models = {
        {common, "Small_dice", PickUp}, {common, "Stop", PickUp},       {common, "Clock", PickUp},
        {common, "Dice", Other},        {common, "Dice_coarse", Other}, {common, "Arrow", Other}};
    for (const char* folder : {common, kPlayedThemeFolder}) {
        for (const char* stem : {"Brick", "Brick_coarse"}) models.emplace_back(folder, stem, Tile);
        models.emplace_back(folder, "Brick_closed", ClosedTile);
    }
    for (const auto& [folder, stem, kind] : models) {
        const std::string name = std::string(folder) + "/" + stem;
        SCOPED_TRACE(name);
        const ModelMeshData m = load(name);
        ASSERT_FALSE(m.vertices.empty());
        EXPECT_EQ(m.indices.size() % 3, 0u);
        for (uint32_t i : m.indices) ASSERT_LT(i, m.vertices.size());
        const std::string texture = "/" + m.texture + ".texture";
        EXPECT_TRUE(!m.texture.empty() && (std::filesystem::exists(inData(folder) + texture) ||
                                           std::filesystem::exists(inData(common) + texture)))
            << m.texture;
        const Extent e = extentOf(m);
        if (kind == Tile || kind == ClosedTile) {
            EXPECT_LT(12 * m.vertices.size(), 65536u);
            const bool facesDown =
                std::any_of(m.vertices.begin(), m.vertices.end(), [](const ModelVertex& v) {
                    return dot(normalOf(v), {0.0f, -1.0f, 0.0f}) > 0.999f;
                });
            EXPECT_EQ(facesDown, kind == ClosedTile);
            for (float side : {e.size().x, e.size().z}) EXPECT_TRUE(side > 0.9f && side < 1.0f) << side;
            EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 1e-4f);
            // Near the edge (clear of any studs) the slab's top is at 0.1.
            float slabTop = -1e9f;
            for (const ModelVertex& v : m.vertices)
                if (std::fabs(v.position[0]) > 0.42f) slabTop = std::max(slabTop, v.position[1]);
            EXPECT_NEAR(slabTop, 0.1f, 1e-4f);
        } else if (kind == PickUp) {
            EXPECT_NEAR(e.low.y, 0.0f, 1e-5f);
            EXPECT_TRUE(e.size().y > 0.3f && e.size().y < 0.5f && e.size().x < 0.5f && e.size().z < 0.5f);
            EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 0.05f) << "off its centre";
        }
    }
    const ModelMeshData arrow = load(std::string(kCommonThemeFolder) + "/Arrow");
    const Extent e = extentOf(arrow);
    EXPECT_TRUE(e.size().x > e.size().z && e.size().y < 0.15f);
    const auto tip = std::max_element(
        arrow.vertices.begin(), arrow.vertices.end(),
        [](const ModelVertex& a, const ModelVertex& b) { return a.position[0] < b.position[0]; });
    EXPECT_NEAR(tip->position[2], 0.0f, 0.02f);
    EXPECT_GT(tip->position[0], 0.15f);
}

float hueOf(const Pixel& p) {
    const float high = std::max({p.r, p.g, p.b}), low = std::min({p.r, p.g, p.b});
    if (high - low < 1e-3f) return -1.0f;
    if (high == p.r) return 60.0f * std::fmod((p.g - p.b) / (high - low) + 6.0f, 6.0f);
    if (high == p.g) return 60.0f * ((p.b - p.r) / (high - low) + 2.0f);
    return 60.0f * ((p.r - p.g) / (high - low) + 4.0f);
}

// Red at x - 1, Green x + 1, Blue -z, Yellow +z, Cyan below, Magenta on top, in the tiles' hues.
TEST(ArtModels, TheDieShowsEachColourOnTheSideTheRulesPutIt) {
    const ModelMeshData die = load(std::string(kCommonThemeFolder) + "/Dice");
    const Extent e = extentOf(die);
    EXPECT_NEAR(length(e.low - Vector3(-0.5f, -0.5f, -0.5f)) + length(e.high - Vector3(0.5f, 0.5f, 0.5f)),
                0.0f, 1e-4f);
    Image texture;
    ASSERT_TRUE(readTextureImage(inData(kCommonThemeFolder) + "/" + die.texture + ".texture", texture));
    const std::pair<Vector3, float> sides[] = {{{-1, 0, 0}, 0.0f}, {{1, 0, 0}, 120.0f},  {{0, 0, -1}, 240.0f},
                                               {{0, 0, 1}, 60.0f}, {{0, -1, 0}, 180.0f}, {{0, 1, 0}, 300.0f}};
    for (const auto& [normal, hue] : sides) {
        int checked = 0;
        for (const ModelVertex& v : die.vertices) {
            if (dot(normalOf(v), normal) < 0.999f) continue;
            const float seen = hueOf(texture.sample(v.uv0[0], v.uv0[1]));
            ASSERT_LE(std::min(std::fabs(seen - hue), 360.0f - std::fabs(seen - hue)), 25.0f)
                << hue << ": " << seen;
            ++checked;
        }
        EXPECT_GT(checked, 0) << hue;
    }
}

}  // namespace
}  // namespace nimbus
