#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Polygon.h"
#include "ShapeFile.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

TEST(ShapeFile, ReadsPartsWithKeysOnTheirOwnAndFollowingLines) {
    ModelDescription model;
    ASSERT_TRUE(
        ShapeFile::parse("# a comment\n"
                         "texture Dice stand\n"
                         "box size 1 2 3 radius 0.1   # trailing comment\n"
                         "    rotate x 90 rotate y -45 at 0 1 0\n"
                         "    face +y 0 0.5 0.25 1\n"
                         "prism height 0.1 point 0 0 point 1 0 point 0 1 swatch 0.5 0.25\n",
                         "test.shape", model));
    EXPECT_EQ(model.texture, "Dice");
    EXPECT_TRUE(model.stand);
    ASSERT_EQ(model.parts.size(), 2u);
    const PartDescription& box = model.parts[0];
    EXPECT_EQ(box.line, 3);
    EXPECT_FLOAT_EQ(box.size.z, 3.0f);
    ASSERT_EQ(box.rotations.size(), 2u);
    EXPECT_EQ(box.rotations[1].axis, 1);
    EXPECT_FLOAT_EQ(box.rotations[1].degrees, -45.0f);
    EXPECT_TRUE(box.hasFace[3]);
    EXPECT_FLOAT_EQ(box.faces[3].v0, 0.5f);
    EXPECT_FALSE(box.hasFace[2]);
    const PartDescription& prism = model.parts[1];
    EXPECT_EQ(prism.points.size(), 3u);
    EXPECT_EQ(prism.uvMode, UvMode::Swatch);
}

struct BadShape {
    const char* text;
    const char* where;   // the "file:line" the message must name
    const char* reason;  // a piece of the reason
};

TEST(ShapeFile, RefusesBadDescriptionsNamingFileAndLine) {
    const BadShape bad[] = {
        {"texture T\nbox\nwobble 3\n", "bad.shape:3", "wobble"},
        {"texture T\nsize 1 1 1\n", "bad.shape:2", "before any part"},
        {"texture T\nsphere height 2\n", "bad.shape:2", "does not apply"},
        {"texture T\nbox size 1 x 1\n", "bad.shape:2", "'x' is not a number"},
        {"texture T\nbox size 1 1\n", "bad.shape:2", "needs 3"},
        {"texture T\nbox size 1 inf 1\n", "bad.shape:2", "not a number"},
        {"texture T\nbox size 20 1 1\n", "bad.shape:2", "up to 16"},
        {"texture T\nbox size 1 1 1 radius 0.6\n", "bad.shape:2", "corner radius"},
        {"texture T\ncylinder radius 1 height 1 segments 2.5\n", "bad.shape:2", "whole number"},
        {"texture T\ncylinder radius 1 height 1 segments 1000\n", "bad.shape:2", "from 1 to"},
        {"texture T\ncylinder radius 1 height 1 segments 2\n", "bad.shape:2", "at least 3"},
        {"texture T\nbox rotate w 10\n", "bad.shape:2", "axis"},
        {"texture T\nbox face top 0 0 1 1\n", "bad.shape:2", "side"},
        {"texture T\nprism height 1\n point 0 0\n point 1 1\n point 1 0\n point 0 1\n", "bad.shape:2",
         "crosses"},
        {"texture T\nprism height 1 point 0 0 point 1 0\n", "bad.shape:2", "at least 3 points"},
        {"texture T\nprism height 0.2 bevel 0.09 point 0 0 point 0.1 0 point 0 0.1\n", "bad.shape:2",
         "too wide"},
        {"texture T\nbox scale 1 0 1\n", "bad.shape:2", "scale"},
        {"box\n", "bad.shape", "no texture"},
        {"texture T\n", "bad.shape", "no part"},
        {"texture\n", "bad.shape:1", "needs a name"},
    };
    for (const BadShape& b : bad) {
        LogCapture log;
        ModelDescription model;
        EXPECT_FALSE(ShapeFile::parse(b.text, "bad.shape", model)) << b.text;
        EXPECT_TRUE(log.saw({b.where, b.reason})) << b.text << " gave: " << log.all();
    }
}

TEST(ShapeFile, AMissingFileIsNamed) {
    LogCapture log;
    ModelDescription model;
    EXPECT_FALSE(ShapeFile::read("/nonexistent/gone.shape", model));
    EXPECT_TRUE(log.saw({"gone.shape"}));
}

float triangleArea2(const Outline& o, const std::array<int, 3>& t) {
    const auto& a = o[static_cast<size_t>(t[0])];
    const auto& b = o[static_cast<size_t>(t[1])];
    const auto& c = o[static_cast<size_t>(t[2])];
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}

TEST(Polygon, ConcaveOutlinesTriangulateIntoCounterClockwiseTrianglesCoveringTheArea) {
    // An L and an arrow: both have a reflex corner an ear must not be cut across.
    const Outline shapes[] = {
        {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}},
        {{-0.22f, -0.06f},
         {0.04f, -0.06f},
         {0.04f, -0.16f},
         {0.27f, 0},
         {0.04f, 0.16f},
         {0.04f, 0.06f},
         {-0.22f, 0.06f}},
    };
    for (const Outline& shape : shapes) {
        const Outline ccw = counterClockwise(shape);
        const auto triangles = triangulate(ccw);
        ASSERT_EQ(triangles.size(), shape.size() - 2);
        float sum = 0.0f;
        for (const auto& t : triangles) {
            EXPECT_GT(triangleArea2(ccw, t), 0.0f);
            sum += triangleArea2(ccw, t);
        }
        EXPECT_NEAR(sum, signedArea2(ccw), 1e-5f);
    }
}

TEST(Polygon, OrientationSimplicityAndInset) {
    const Outline clockwise{{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    EXPECT_LT(signedArea2(clockwise), 0.0f);
    EXPECT_GT(signedArea2(counterClockwise(clockwise)), 0.0f);

    EXPECT_TRUE(isSimplePolygon(clockwise));
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 1}, {1, 0}, {0, 1}}));  // a bow tie
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 0}, {2, 0}}));          // no area
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 0}, {1, 0}, {0, 1}}));  // a repeated corner

    const Outline inner = inset(counterClockwise(clockwise), 0.1f);
    EXPECT_NEAR(signedArea2(inner), 2.0f * 0.8f * 0.8f, 1e-5f);
    for (const auto& corner : inner) {
        EXPECT_NEAR(std::fabs(corner[0] - 0.5f), 0.4f, 1e-5f);
        EXPECT_NEAR(std::fabs(corner[1] - 0.5f), 0.4f, 1e-5f);
    }
    EXPECT_TRUE(insetStaysSimple(clockwise, 0.4f));
    // Past half its width the square would come out turned through its middle.
    EXPECT_FALSE(insetStaysSimple(clockwise, 0.6f));
    EXPECT_FALSE(insetStaysSimple({{0, 0}, {0.1f, 0}, {0, 0.1f}}, 0.09f));
}

}  // namespace
}  // namespace nimbus
