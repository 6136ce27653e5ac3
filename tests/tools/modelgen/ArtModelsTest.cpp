// The models of the data directory, read back through the engine's reader: one mesh
// each, naming a texture that exists, sized and placed as the drawing code places them,
// and the die showing each colour on the side the game rules put it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "ArtFiles.h"
#include "Image.h"
#include "core/math/Vector3.h"

namespace nimbus {
namespace {

const std::string kData = NIMBUS_DATA_DIR;

ModelMeshData load(const std::string& name) {
    std::vector<ModelMeshData> meshes;
    EXPECT_TRUE(readModel(kData + "/" + name + ".model", meshes)) << name;
    EXPECT_EQ(meshes.size(), 1u) << name;
    return meshes.empty() ? ModelMeshData() : meshes.front();
}

Vector3 positionOf(const ModelVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }
Vector3 normalOf(const ModelVertex& v) { return {v.normal[0], v.normal[1], v.normal[2]}; }

struct Extent {
    Vector3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
    Vector3 size() const { return high - low; }
};

Extent extentOf(const ModelMeshData& m) {
    Extent e;
    for (const ModelVertex& v : m.vertices) {
        const Vector3 p = positionOf(v);
        e.low = {std::min(e.low.x, p.x), std::min(e.low.y, p.y), std::min(e.low.z, p.z)};
        e.high = {std::max(e.high.x, p.x), std::max(e.high.y, p.y), std::max(e.high.z, p.z)};
    }
    return e;
}

const char* const kModels[] = {"Themes/Common/Brick", "Themes/Common/Dice",       "Themes/Common/Arrow",
                               "Themes/Common/Small_dice", "Themes/Common/Stop", "Themes/Common/Clock",
                               "Themes/Lego/Brick"};

TEST(ArtModels, EveryModelIsOneWellFormedMeshNamingATextureThatExists) {
    for (const char* name : kModels) {
        const ModelMeshData m = load(name);
        ASSERT_FALSE(m.vertices.empty()) << name;
        EXPECT_EQ(m.indices.size() % 3, 0u) << name;
        EXPECT_LE(m.vertices.size(), 65536u) << name;
        for (uint32_t i : m.indices) ASSERT_LT(i, m.vertices.size()) << name;
        for (const ModelVertex& v : m.vertices) ASSERT_NEAR(length(normalOf(v)), 1.0f, 1e-3f) << name;
        ASSERT_FALSE(m.texture.empty()) << name;
        const std::filesystem::path own = std::filesystem::path(kData + "/" + name).parent_path();
        EXPECT_TRUE(std::filesystem::exists(own / (m.texture + ".texture")) ||
                    std::filesystem::exists(kData + "/Themes/Common/" + m.texture + ".texture"))
            << name << " names " << m.texture;
    }
}

TEST(ArtModels, TilesFillTheirCellLessAGapWithTheTopWhereTheDieStands) {
    for (const char* name : {"Themes/Common/Brick", "Themes/Lego/Brick"}) {
        const ModelMeshData m = load(name);
        // Twelve copies go into one batch whose indices are 16 bits.
        EXPECT_LT(12 * m.vertices.size(), 65536u) << name;
        const Extent e = extentOf(m);
        EXPECT_GT(e.size().x, 0.9f) << name;
        EXPECT_LT(e.size().x, 1.0f) << name;
        EXPECT_GT(e.size().z, 0.9f) << name;
        EXPECT_LT(e.size().z, 1.0f) << name;
        EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 1e-4f) << name;
        // The board puts tiles at y = -0.1 and the die's bottom at y = 0. Near the edge
        // (clear of any studs) the slab's top is at 0.1.
        float slabTop = -1e9f;
        for (const ModelVertex& v : m.vertices) {
            if (std::fabs(v.position[0]) > 0.42f) slabTop = std::max(slabTop, v.position[1]);
        }
        EXPECT_NEAR(slabTop, 0.1f, 1e-4f) << name;
    }
    // The theme's tile is a different shape, not a copy.
    EXPECT_NE(load("Themes/Common/Brick").vertices.size(), load("Themes/Lego/Brick").vertices.size());
}

float hueOf(const Pixel& p) {
    const float high = std::max({p.r, p.g, p.b}), low = std::min({p.r, p.g, p.b});
    if (high - low < 1e-3f) return -1.0f;
    float h = 0.0f;
    if (high == p.r) h = 60.0f * std::fmod((p.g - p.b) / (high - low) + 6.0f, 6.0f);
    else if (high == p.g) h = 60.0f * ((p.b - p.r) / (high - low) + 2.0f);
    else h = 60.0f * ((p.r - p.g) / (high - low) + 4.0f);
    return h;
}

float hueDistance(float a, float b) {
    const float d = std::fabs(a - b);
    return std::min(d, 360.0f - d);
}

TEST(ArtModels, TheDieShowsEachColourOnTheSideTheRulesPutIt) {
    const ModelMeshData die = load("Themes/Common/Dice");
    const Extent e = extentOf(die);
    for (float v : {e.low.x, e.low.y, e.low.z}) EXPECT_NEAR(v, -0.5f, 1e-4f);
    for (float v : {e.high.x, e.high.y, e.high.z}) EXPECT_NEAR(v, 0.5f, 1e-4f);

    Image texture;
    ASSERT_TRUE(readTextureImage(kData + "/Themes/Common/" + die.texture + ".texture", texture));
    // Red towards x - 1, Green x + 1, Blue -z, Yellow +z, Cyan below, Magenta on top,
    // with the hues of their tile colours.
    struct Side {
        Vector3 normal;
        const char* colour;
        float hue;
    };
    const Side sides[] = {{{-1, 0, 0}, "Red", 0.0f},    {{1, 0, 0}, "Green", 120.0f},
                          {{0, 0, -1}, "Blue", 240.0f}, {{0, 0, 1}, "Yellow", 60.0f},
                          {{0, -1, 0}, "Cyan", 180.0f}, {{0, 1, 0}, "Magenta", 300.0f}};
    for (const Side& side : sides) {
        int checked = 0;
        for (const ModelVertex& v : die.vertices) {
            if (dot(normalOf(v), side.normal) < 0.999f) continue;
            const Pixel& p = texture.sample(v.uv0[0], v.uv0[1]);
            ASSERT_LE(hueDistance(hueOf(p), side.hue), 25.0f)
                << side.colour << " side samples hue " << hueOf(p) << " at " << v.uv0[0] << ", " << v.uv0[1];
            ++checked;
        }
        EXPECT_GT(checked, 0) << side.colour;
    }
}

TEST(ArtModels, ArrowPointsAlongPlusXAndLiesFlat) {
    const ModelMeshData arrow = load("Themes/Common/Arrow");
    const Extent e = extentOf(arrow);
    EXPECT_GT(e.size().x, e.size().z);
    EXPECT_LT(e.size().y, 0.15f);
    const auto tip = std::max_element(arrow.vertices.begin(), arrow.vertices.end(),
                                      [](const ModelVertex& a, const ModelVertex& b) { return a.position[0] < b.position[0]; });
    EXPECT_NEAR(tip->position[2], 0.0f, 0.02f);
    EXPECT_GT(tip->position[0], 0.15f);
}

TEST(ArtModels, PickUpsStandOnTheirOriginAndMeasureAboutFourTenths) {
    for (const char* name : {"Themes/Common/Small_dice", "Themes/Common/Stop", "Themes/Common/Clock"}) {
        const Extent e = extentOf(load(name));
        EXPECT_NEAR(e.low.y, 0.0f, 1e-5f) << name;
        EXPECT_GT(e.size().y, 0.3f) << name;
        EXPECT_LT(e.size().y, 0.5f) << name;
        EXPECT_LT(e.size().x, 0.5f) << name;
        EXPECT_LT(e.size().z, 0.5f) << name;
        EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 0.05f) << name << " is off its centre";
    }
}

}  // namespace
}  // namespace nimbus
