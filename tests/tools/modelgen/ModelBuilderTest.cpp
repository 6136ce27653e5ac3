#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "support/LogCapture.h"
#include "ModelBuilder.h"
#include "ShapeFile.h"
#include "core/math/Vector3.h"

namespace nimbus {
namespace {

ModelMeshData build(const std::string& text) {
    ModelDescription model;
    ModelMeshData mesh;
    EXPECT_TRUE(ShapeFile::parse(text, "test.shape", model)) << text;
    EXPECT_TRUE(buildModel(model, "test.shape", mesh)) << text;
    return mesh;
}

Vector3 positionOf(const ModelVertex& v) { return {v.position[0], v.position[1], v.position[2]}; }
Vector3 normalOf(const ModelVertex& v) { return {v.normal[0], v.normal[1], v.normal[2]}; }

// The enclosed volume by the divergence theorem; positive when every triangle runs
// counter-clockwise seen from outside.
float volume(const ModelMeshData& m) {
    double sum = 0.0;
    for (size_t t = 0; t + 2 < m.indices.size(); t += 3) {
        const Vector3 a = positionOf(m.vertices[m.indices[t]]), b = positionOf(m.vertices[m.indices[t + 1]]),
                      c = positionOf(m.vertices[m.indices[t + 2]]);
        sum += dot(a, cross(b, c));
    }
    return static_cast<float>(sum / 6.0);
}

struct Extent {
    Vector3 low{1e9f, 1e9f, 1e9f}, high{-1e9f, -1e9f, -1e9f};
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

// Every triangle of a convex solid around `centre` faces away from it, and agrees with
// the normals of its corners.
void expectOutwardFacing(const ModelMeshData& m, const Vector3& centre, const char* what) {
    ASSERT_FALSE(m.indices.empty()) << what;
    for (size_t t = 0; t + 2 < m.indices.size(); t += 3) {
        const ModelVertex &va = m.vertices[m.indices[t]], &vb = m.vertices[m.indices[t + 1]],
                          &vc = m.vertices[m.indices[t + 2]];
        const Vector3 a = positionOf(va), b = positionOf(vb), c = positionOf(vc);
        const Vector3 face = cross(b - a, c - a);
        const Vector3 middle = (a + b + c) * (1.0f / 3.0f);
        ASSERT_GT(dot(face, middle - centre), 0.0f) << what << " triangle " << t / 3;
        ASSERT_GT(dot(face, normalOf(va) + normalOf(vb) + normalOf(vc)), 0.0f) << what << " triangle " << t / 3;
    }
}

TEST(ModelBuilder, SolidsAreClosedFacingOutwardsWithTheVolumeTheirSizeGives) {
    const ModelMeshData box = build("texture T\nbox size 1 2 3\n");
    expectOutwardFacing(box, {}, "box");
    EXPECT_NEAR(volume(box), 6.0f, 1e-4f);

    const ModelMeshData rounded = build("texture T\nbox size 1 1 1 radius 0.2 segments 6\n");
    expectOutwardFacing(rounded, {}, "rounded box");
    // A unit cube less its rounded-off edges and corners.
    const float r = 0.2f, pi = static_cast<float>(M_PI);
    const float expected = 1.0f - (12.0f * (1.0f - 2 * r) * (r * r - pi * r * r / 4)) -
                           (8.0f * r * r * r - 4.0f / 3.0f * pi * r * r * r);
    EXPECT_NEAR(volume(rounded), expected, 0.01f);

    const ModelMeshData cylinder = build("texture T\ncylinder radius 0.5 height 2 bevel 0.1 segments 48\n");
    expectOutwardFacing(cylinder, {}, "cylinder");
    EXPECT_NEAR(volume(cylinder), pi * 0.25f * 2.0f, 0.06f);

    const ModelMeshData sphere = build("texture T\nsphere radius 1 segments 48\n");
    expectOutwardFacing(sphere, {}, "sphere");
    EXPECT_NEAR(volume(sphere), 4.0f / 3.0f * pi, 0.05f);

    const ModelMeshData prism = build("texture T\nprism height 0.5 bevel 0.05 point 0 0 point 2 0 point 2 1 point 0 1\n");
    expectOutwardFacing(prism, {1.0f, 0.0f, 0.5f}, "prism");
    EXPECT_NEAR(volume(prism), 1.0f, 0.02f);
    // An outline given clockwise builds the same solid.
    const ModelMeshData reversed = build("texture T\nprism height 0.5 point 0 0 point 0 1 point 2 1 point 2 0\n");
    EXPECT_NEAR(volume(reversed), 1.0f, 1e-4f);
}

TEST(ModelBuilder, RoundedCornersLieOnTheirRadiusAndNormalsAreUnitLength) {
    const ModelMeshData m = build("texture T\nbox size 1 0.6 0.8 radius 0.1\n");
    const Vector3 inner{0.4f, 0.2f, 0.3f};
    for (const ModelVertex& v : m.vertices) {
        const Vector3 p = positionOf(v);
        const Vector3 q{std::clamp(p.x, -inner.x, inner.x), std::clamp(p.y, -inner.y, inner.y),
                        std::clamp(p.z, -inner.z, inner.z)};
        ASSERT_NEAR(length(p - q), 0.1f, 1e-5f);
        ASSERT_NEAR(length(normalOf(v)), 1.0f, 1e-5f);
        ASSERT_NEAR(dot(normalise(p - q), normalOf(v)), 1.0f, 1e-4f);
    }
}

TEST(ModelBuilder, NormalsStayPerpendicularUnderUnevenScale) {
    // A unit sphere stretched to an ellipsoid with half-axes 2, 1, 1: its surface normal
    // at p points along (p.x / 4, p.y, p.z), not along p.
    const ModelMeshData m = build("texture T\nsphere radius 1 segments 16 scale 2 1 1\n");
    for (const ModelVertex& v : m.vertices) {
        const Vector3 p = positionOf(v);
        const Vector3 expected = normalise({p.x / 4.0f, p.y, p.z});
        ASSERT_NEAR(dot(expected, normalOf(v)), 1.0f, 1e-3f) << p.x << " " << p.y << " " << p.z;
    }
}

TEST(ModelBuilder, RotationsApplyInOrderThenTheOffsetAndStandLiftsToTheGround) {
    // 1 x 2 x 3: turned about x first, then about y, it measures 2 x 3 x 1.
    const Extent turned = extentOf(build("texture T\nbox size 1 2 3 rotate x 90 rotate y 90 at 5 0 0\n"));
    EXPECT_NEAR(turned.high.x - turned.low.x, 2.0f, 1e-4f);
    EXPECT_NEAR(turned.high.y - turned.low.y, 3.0f, 1e-4f);
    EXPECT_NEAR(turned.high.z - turned.low.z, 1.0f, 1e-4f);
    EXPECT_NEAR(turned.high.x + turned.low.x, 10.0f, 1e-4f);

    const Extent standing = extentOf(build("texture T\nstand\nbox size 1 1 1 at 0 -3 0\nsphere radius 0.5 at 0 2 0\n"));
    EXPECT_NEAR(standing.low.y, 0.0f, 1e-5f);
    EXPECT_NEAR(standing.high.y, 6.0f, 1e-4f);
}

// The directions in which u and v grow across the flat part of the box side facing
// `normal`.
void faceDirections(const ModelMeshData& m, const Vector3& normal, Vector3& uDirection, Vector3& vDirection) {
    Vector3 centre;
    float u = 0.0f, v = 0.0f;
    int count = 0;
    for (const ModelVertex& x : m.vertices) {
        if (dot(normalOf(x), normal) < 0.999f) continue;
        centre += positionOf(x);
        u += x.uv0[0];
        v += x.uv0[1];
        ++count;
    }
    ASSERT_GT(count, 0);
    centre = centre * (1.0f / count);
    u /= count;
    v /= count;
    uDirection = vDirection = {};
    for (const ModelVertex& x : m.vertices) {
        if (dot(normalOf(x), normal) < 0.999f) continue;
        uDirection += (positionOf(x) - centre) * (x.uv0[0] - u);
        vDirection += (positionOf(x) - centre) * (x.uv0[1] - v);
    }
}

TEST(ModelBuilder, BoxSidesShowTheirRectanglesUnmirroredAndTheWallsUpright) {
    const char* const sides[] = {"-x", "+x", "-y", "+y", "-z", "+z"};
    const Vector3 normals[] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    std::string text = "texture T\nbox size 1 1 1 radius 0.1\n";
    for (int s = 0; s < 6; ++s) {
        text += std::string(" face ") + sides[s] + " " + std::to_string(s * 0.125f) + " 0.5 " +
                std::to_string(s * 0.125f + 0.125f) + " 1\n";
    }
    const ModelMeshData m = build(text);
    for (int s = 0; s < 6; ++s) {
        for (const ModelVertex& v : m.vertices) {
            // Every vertex that faces this side's way more than any other takes its uv
            // from this side's rectangle.
            const Vector3 n = normalOf(v);
            bool mostly = true;
            for (int o = 0; o < 6; ++o) mostly = mostly && (o == s || dot(n, normals[s]) >= dot(n, normals[o]) - 1e-4f);
            if (!mostly || dot(n, normals[s]) < 0.75f) continue;
            ASSERT_GE(v.uv0[0], s * 0.125f - 1e-5f) << sides[s];
            ASSERT_LE(v.uv0[0], s * 0.125f + 0.125f + 1e-5f) << sides[s];
            ASSERT_GE(v.uv0[1], 0.5f - 1e-5f) << sides[s];
        }
        Vector3 uDirection, vDirection;
        faceDirections(m, normals[s], uDirection, vDirection);
        // Seen from outside, u runs to the right and v downwards: right x up = out.
        EXPECT_GT(dot(cross(uDirection, -vDirection), normals[s]), 0.0f) << sides[s];
        if (s != 2 && s != 3) {
            EXPECT_LT(vDirection.y, 0.0f) << sides[s] << " is upside down";
        }
    }
}

TEST(ModelBuilder, ProjectionAndSwatchMapTextureCoordinates) {
    const ModelMeshData projected = build("texture T\nbox size 2 1 2 project y area -1 -1 1 1 uv 0 0 0.5 0.5\n");
    for (const ModelVertex& v : projected.vertices) {
        ASSERT_NEAR(v.uv0[0], (v.position[0] + 1.0f) * 0.25f, 1e-5f);
        ASSERT_NEAR(v.uv0[1], (v.position[2] + 1.0f) * 0.25f, 1e-5f);
    }
    const ModelMeshData swatch = build("texture T\nsphere radius 1 swatch 0.375 0.625\n");
    for (const ModelVertex& v : swatch.vertices) {
        ASSERT_FLOAT_EQ(v.uv0[0], 0.375f);
        ASSERT_FLOAT_EQ(v.uv0[1], 0.625f);
    }
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

}  // namespace
}  // namespace nimbus
