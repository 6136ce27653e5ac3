#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Polygon.h"
#include "ShapeFile.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

// What each key sets is the builder's tests; here, words on one line or the next.
TEST(ShapeFile, ReadsPartsWithKeysOnTheirOwnAndFollowingLines) {
    ModelDescription model;
    ASSERT_TRUE(
        ShapeFile::parse("# a comment\n"
                         "texture Dice stand\n"
                         "box size 1 2 3 radius 0.1   # trailing comment\n"
                         "    rotate x 90 at 0 1 0\n"
                         "    face +y 0 0.5 0.25 1\n"
                         "prism height 0.1 point 0 0 point 1 0 point 0 1 swatch 0.5 0.25\n",
                         "test.shape", model));
    EXPECT_EQ(std::make_pair(model.texture, model.stand), std::make_pair(std::string("Dice"), true));
    ASSERT_EQ(model.parts.size(), 2u);
    const PartDescription& box = model.parts[0];
    EXPECT_EQ(std::make_tuple(box.line, box.size.z, box.rotations.size(), box.hasFace[3], box.faces[3].v0,
                              box.hasFace[2]),
              std::make_tuple(3, 3.0f, size_t(1), true, 0.5f, false));
    EXPECT_EQ(std::make_pair(model.parts[1].points.size(), model.parts[1].uvMode),
              std::make_pair(size_t(3), UvMode::Swatch));
}

TEST(ShapeFile, RefusesBadDescriptionsNamingFileAndLine) {
    // The text, the "file:line" the message must name and a piece of the reason.
    const std::tuple<const char*, const char*, const char*> bad[] = {
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
        {"texture T\ncylinder radius 1 height 1 coarse 2\n", "bad.shape:2", "at least 3"},
        {"texture T\ncylinder radius 1 height 1 open top\n", "bad.shape:2", "open takes bottom"},
        {"texture T\nbox rotate w 10\n", "bad.shape:2", "axis"},
        {"texture T\nbox face top 0 0 1 1\n", "bad.shape:2", "side"},
        {"texture T\nprism height 1\n point 0 0\n point 1 1\n point 1 0\n point 0 1\n", "bad.shape:2",
         "crosses"},
        {"texture T\nprism height 1 point 0 0 point 1 0\n", "bad.shape:2", "at least 3 points"},
        {"texture T\nprism height 1 point 0 0 point 1 0 point 2 0\n", "bad.shape:2", "no area"},
        {"texture T\nprism height 0.2 bevel 0.09 point 0 0 point 0.1 0 point 0 0.1\n", "bad.shape:2",
         "too wide"},
        {"texture T\nbox scale 1 0 1\n", "bad.shape:2", "scale"},
        {"box\n", "bad.shape", "no texture"},
        {"texture T\n", "bad.shape", "no part"},
        {"texture\n", "bad.shape:1", "needs a name"}};
    for (const auto& [text, where, reason] : bad) {
        LogCapture log;
        ModelDescription model;
        EXPECT_FALSE(ShapeFile::parse(text, "bad.shape", model)) << text;
        EXPECT_TRUE(log.saw({where, reason})) << text << " gave: " << log.all();
    }
    LogCapture log;
    ModelDescription model;
    EXPECT_FALSE(ShapeFile::read("/nonexistent/gone.shape", model));
    EXPECT_TRUE(log.saw({"gone.shape"}));
}

// An L and an arrow: both have a reflex corner an ear must not be cut across.
TEST(Polygon, ConcaveOutlinesTriangulateIntoCounterClockwiseTrianglesCoveringTheArea) {
    const Outline shapes[] = {{{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}},
                              {{-0.22f, -0.06f},
                               {0.04f, -0.06f},
                               {0.04f, -0.16f},
                               {0.27f, 0},
                               {0.04f, 0.16f},
                               {0.04f, 0.06f},
                               {-0.22f, 0.06f}}};
    for (const Outline& shape : shapes) {
        const Outline ccw = counterClockwise(shape);
        const auto triangles = triangulate(ccw);
        ASSERT_EQ(triangles.size(), shape.size() - 2);
        float sum = 0.0f;
        for (const auto& t : triangles) {
            const Outline corners{ccw[size_t(t[0])], ccw[size_t(t[1])], ccw[size_t(t[2])]};
            EXPECT_GT(signedArea2(corners), 0.0f);
            sum += signedArea2(corners);
        }
        EXPECT_NEAR(sum, signedArea2(ccw), 1e-5f);
    }
}

// A bevel is the outline moved in by its width; a corner given twice has no direction.
TEST(Polygon, InsetMovesEveryEdgeInByItsDistanceAndARepeatedCornerIsNotSimple) {
    for (const auto& corner : inset(counterClockwise({{0, 0}, {0, 1}, {1, 1}, {1, 0}}), 0.1f)) {
        EXPECT_NEAR(std::fabs(corner[0] - 0.5f), 0.4f, 1e-5f);
        EXPECT_NEAR(std::fabs(corner[1] - 0.5f), 0.4f, 1e-5f);
    }
    EXPECT_FALSE(isSimplePolygon({{0, 0}, {1, 0}, {1, 0}, {0, 1}}));
}

}  // namespace
}  // namespace nimbus
