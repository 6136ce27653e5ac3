// The model tool's shapes, texture mapping and placement, and the models of the data
// directory read back through the engine's reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "ArtFiles.h"
#include "Image.h"
#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/math/Vector3.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

const float kPi = 3.14159265f;

// The mesh of the parts, on a texture named T.
ModelMeshData build(const std::string& parts) {
    ModelDescription model;
    ModelMeshData mesh;
    EXPECT_TRUE(ShapeFile::parse("texture T\n" + parts, "test.shape", model)) << parts;
    EXPECT_TRUE(buildModel(model, "test.shape", mesh)) << parts;
    return mesh;
}

ModelMeshData load(const std::string& name) {
    std::vector<ModelMeshData> meshes;
    EXPECT_TRUE(readModel(NIMBUS_DATA_DIR "/" + name + ".model", meshes)) << name;
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

// The enclosed volume by the divergence theorem, after checking that every triangle of
// the convex solid around `centre` faces away from it and agrees with the normals of
// its corners.
float outwardVolume(const ModelMeshData& m, const Vector3& centre) {
    EXPECT_FALSE(m.indices.empty());
    double sum = 0.0;
    for (size_t t = 0; t + 2 < m.indices.size(); t += 3) {
        const ModelVertex* v[3] = {&m.vertices[m.indices[t]], &m.vertices[m.indices[t + 1]],
                                   &m.vertices[m.indices[t + 2]]};
        const Vector3 a = positionOf(*v[0]), b = positionOf(*v[1]), c = positionOf(*v[2]);
        const Vector3 face = cross(b - a, c - a);
        EXPECT_GT(dot(face, (a + b + c) * (1.0f / 3.0f) - centre), 0.0f) << "triangle " << t / 3;
        EXPECT_GT(dot(face, normalOf(*v[0]) + normalOf(*v[1]) + normalOf(*v[2])), 0.0f)
            << "triangle " << t / 3;
        sum += dot(a, cross(b, c));
    }
    return static_cast<float>(sum / 6.0);
}

TEST(ModelBuilder, SolidsAreClosedFacingOutwardsWithTheVolumeTheirSizeGives) {
    // A unit cube less its rounded-off edges and corners.
    const float r = 0.2f;
    const float rounded =
        1.0f - 12.0f * (1.0f - 2 * r) * (r * r - kPi * r * r / 4) - (8.0f - 4.0f / 3.0f * kPi) * r * r * r;
    const Vector3 prismCentre{1.0f, 0.0f, 0.5f};
    const struct {
        const char* shape;
        Vector3 centre;
        float volume, tolerance;
    } solids[] = {
        {"box size 1 2 3", {}, 6.0f, 1e-4f},
        {"box size 1 1 1 radius 0.2 segments 6", {}, rounded, 0.01f},
        {"cylinder radius 0.5 height 2 bevel 0.1 segments 48", {}, kPi * 0.25f * 2.0f, 0.06f},
        {"sphere radius 1 segments 48", {}, 4.0f / 3.0f * kPi, 0.05f},
        {"prism height 0.5 bevel 0.05 point 0 0 point 2 0 point 2 1 point 0 1", prismCentre, 1.0f, 0.02f},
        // An outline given clockwise builds the same solid.
        {"prism height 0.5 point 0 0 point 0 1 point 2 1 point 2 0", prismCentre, 1.0f, 1e-4f}};
    for (const auto& s : solids) {
        SCOPED_TRACE(s.shape);
        EXPECT_NEAR(outwardVolume(build(std::string(s.shape) + "\n"), s.centre), s.volume, s.tolerance);
    }
}

// A stud standing on a slab: its side reaches down to its foot, and nothing faces down.
TEST(ModelBuilder, AnOpenBottomedCylinderHasASideToItsFootAndNoBase) {
    const auto mesh = build("cylinder radius 0.5 height 2 bevel 0.1 segments 12 open bottom\n");
    float lowest = 1.0f;
    for (const ModelVertex& v : mesh.vertices) {
        lowest = std::min(lowest, positionOf(v).y);
        if (positionOf(v).y < 0.0f) {
            EXPECT_NEAR(normalOf(v).y, 0.0f, 1e-5f);
        }
    }
    EXPECT_NEAR(lowest, -1.0f, 1e-5f);
}

TEST(ModelBuilder, TheCoarseBuildTakesThePartsCoarseSegmentsWhereTheyGiveThem) {
    ModelDescription model;
    ASSERT_TRUE(
        ShapeFile::parse("texture T\ncylinder radius 0.5 height 1 segments 12 coarse 8\n"
                         "box radius 0.1 segments 4\n",
                         "test.shape", model));
    const ModelDescription coarse = coarseModel(model);
    EXPECT_EQ(std::make_pair(coarse.parts[0].segments, coarse.parts[1].segments), std::make_pair(8, 4));
}

TEST(ModelBuilder, RoundedCornersLieOnTheirRadiusAndNormalsStayPerpendicularUnderUnevenScale) {
    const Vector3 inner{0.4f, 0.2f, 0.3f};
    for (const ModelVertex& v : build("box size 1 0.6 0.8 radius 0.1\n").vertices) {
        const Vector3 p = positionOf(v);
        const Vector3 q{std::clamp(p.x, -inner.x, inner.x), std::clamp(p.y, -inner.y, inner.y),
                        std::clamp(p.z, -inner.z, inner.z)};
        ASSERT_NEAR(length(p - q), 0.1f, 1e-5f);
        ASSERT_NEAR(dot(normalise(p - q), normalOf(v)), 1.0f, 1e-4f);
    }
    // A unit sphere stretched to an ellipsoid with half-axes 2, 1, 1: its surface normal
    // at p points along (p.x / 4, p.y, p.z), not along p.
    for (const ModelVertex& v : build("sphere radius 1 segments 16 scale 2 1 1\n").vertices) {
        const Vector3 p = positionOf(v);
        ASSERT_NEAR(dot(normalise({p.x / 4.0f, p.y, p.z}), normalOf(v)), 1.0f, 1e-3f);
    }
}

TEST(ModelBuilder, RotationsApplyInOrderThenTheOffsetAndStandLiftsToTheGround) {
    // 1 x 2 x 3: turned about x first, then about y, it measures 2 x 3 x 1.
    const Extent turned = extentOf(build("box size 1 2 3 rotate x 90 rotate y 90 at 5 0 0\n"));
    EXPECT_NEAR(length(turned.size() - Vector3(2, 3, 1)), 0.0f, 1e-4f);
    EXPECT_NEAR(turned.high.x + turned.low.x, 10.0f, 1e-4f);
    const Extent standing = extentOf(build("stand\nbox size 1 1 1 at 0 -3 0\nsphere radius 0.5 at 0 2 0\n"));
    EXPECT_NEAR(standing.low.y, 0.0f, 1e-5f);
    EXPECT_NEAR(standing.high.y, 6.0f, 1e-4f);
}

// Which rectangle each side samples is the die's test below; here, seen from outside,
// u runs to the right and v downwards on every side (right x up = out), and the walls
// stand upright.
TEST(ModelBuilder, BoxSidesShowTheirRectanglesUnmirroredAndTheWallsUpright) {
    const char* const sides[] = {"-x", "+x", "-y", "+y", "-z", "+z"};
    const Vector3 normals[] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    std::string text = "box size 1 1 1 radius 0.1\n";
    for (const char* side : sides) text += std::string(" face ") + side + " 0 0.5 0.125 1\n";
    const ModelMeshData m = build(text);
    for (int s = 0; s < 6; ++s) {
        std::vector<const ModelVertex*> flat;
        Vector3 centre, uDirection, vDirection;
        float u = 0.0f, v = 0.0f;
        for (const ModelVertex& x : m.vertices) {
            if (dot(normalOf(x), normals[s]) < 0.999f) continue;
            flat.push_back(&x);
            centre += positionOf(x);
            u += x.uv0[0];
            v += x.uv0[1];
        }
        ASSERT_FALSE(flat.empty());
        const float share = 1.0f / static_cast<float>(flat.size());
        for (const ModelVertex* x : flat) {
            uDirection += (positionOf(*x) - centre * share) * (x->uv0[0] - u * share);
            vDirection += (positionOf(*x) - centre * share) * (x->uv0[1] - v * share);
        }
        EXPECT_GT(dot(cross(uDirection, -vDirection), normals[s]), 0.0f) << sides[s];
        EXPECT_TRUE(s == 2 || s == 3 || vDirection.y < 0.0f) << sides[s] << " is upside down";
    }
}

TEST(ModelBuilder, ProjectionAndSwatchMapTextureCoordinates) {
    for (const ModelVertex& v : build("box size 2 1 2 project y area -1 -1 1 1 uv 0 0 0.5 0.5\n").vertices) {
        ASSERT_NEAR(v.uv0[0], (v.position[0] + 1.0f) * 0.25f, 1e-5f);
        ASSERT_NEAR(v.uv0[1], (v.position[2] + 1.0f) * 0.25f, 1e-5f);
    }
    const ModelMeshData swatch = build("sphere radius 1 swatch 0.375 0.625\n");
    for (const ModelVertex& v : swatch.vertices)
        ASSERT_EQ(std::make_pair(v.uv0[0], v.uv0[1]), std::make_pair(0.375f, 0.625f));
    EXPECT_EQ(swatch.texture, "T");
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

// Every model of the data directory is one well-formed mesh naming a texture beside it
// or among the common ones.
TEST(ArtModels, EveryModelIsOneWellFormedMeshNamingATextureThatExists) {
    for (const char* name :
         {"Themes/Common/Brick", "Themes/Common/Dice", "Themes/Common/Arrow", "Themes/Common/Small_dice",
          "Themes/Common/Stop", "Themes/Common/Clock", "Themes/Lego/Brick", "Themes/Common/Brick_coarse",
          "Themes/Common/Dice_coarse", "Themes/Lego/Brick_coarse"}) {
        const ModelMeshData m = load(name);
        ASSERT_FALSE(m.vertices.empty()) << name;
        EXPECT_EQ(m.indices.size() % 3, 0u) << name;
        for (uint32_t i : m.indices) ASSERT_LT(i, m.vertices.size()) << name;
        const std::filesystem::path own = std::filesystem::path(NIMBUS_DATA_DIR "/" + std::string(name));
        EXPECT_TRUE(!m.texture.empty() &&
                    (std::filesystem::exists(own.parent_path() / (m.texture + ".texture")) ||
                     std::filesystem::exists(NIMBUS_DATA_DIR "/Themes/Common/" + m.texture + ".texture")))
            << name << " names " << m.texture;
    }
}

// The board puts tiles at y = -0.1 and the die's bottom at y = 0; twelve copies of a
// tile go into one batch whose indices are 16 bits; pick-ups stand on their origin and
// the arrow points along +x.
TEST(ArtModels, TilesFillTheirCellLessAGapAndPickUpsStandOnTheirOrigin) {
    for (const char* name : {"Themes/Common/Brick", "Themes/Lego/Brick", "Themes/Common/Brick_coarse",
                             "Themes/Lego/Brick_coarse"}) {
        const ModelMeshData m = load(name);
        EXPECT_LT(12 * m.vertices.size(), 65536u) << name;
        const Extent e = extentOf(m);
        for (float side : {e.size().x, e.size().z}) EXPECT_TRUE(side > 0.9f && side < 1.0f) << name << side;
        EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 1e-4f) << name;
        // Near the edge (clear of any studs) the slab's top is at 0.1.
        float slabTop = -1e9f;
        for (const ModelVertex& v : m.vertices) {
            if (std::fabs(v.position[0]) > 0.42f) slabTop = std::max(slabTop, v.position[1]);
        }
        EXPECT_NEAR(slabTop, 0.1f, 1e-4f) << name;
    }
    for (const char* name : {"Themes/Common/Small_dice", "Themes/Common/Stop", "Themes/Common/Clock"}) {
        const Extent e = extentOf(load(name));
        EXPECT_NEAR(e.low.y, 0.0f, 1e-5f) << name;
        EXPECT_TRUE(e.size().y > 0.3f && e.size().y < 0.5f && e.size().x < 0.5f && e.size().z < 0.5f) << name;
        EXPECT_NEAR(e.low.x + e.high.x, 0.0f, 0.05f) << name << " is off its centre";
    }
    const ModelMeshData arrow = load("Themes/Common/Arrow");
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

// The die, a unit cube, shows Red towards x - 1, Green x + 1, Blue -z, Yellow +z, Cyan
// below and Magenta on top, as the rules put them, with the hues of their tile colours.
TEST(ArtModels, TheDieShowsEachColourOnTheSideTheRulesPutIt) {
    const ModelMeshData die = load("Themes/Common/Dice");
    const Extent e = extentOf(die);
    EXPECT_NEAR(length(e.low - Vector3(-0.5f, -0.5f, -0.5f)) + length(e.high - Vector3(0.5f, 0.5f, 0.5f)),
                0.0f, 1e-4f);
    Image texture;
    ASSERT_TRUE(readTextureImage(NIMBUS_DATA_DIR "/Themes/Common/" + die.texture + ".texture", texture));
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
