#include <gtest/gtest.h>

#include <cmath>

#include "Image.h"
#include "PaintedParts.h"
#include "ShapeFile.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

// A grey slab with one painted stud in its middle, on a 32 x 32 picture of the slab's top.
const char kStuddedSlab[] = R"(texture T
painting P
box size 1 0.2 1 open bottom project y area -0.5 -0.5 0.5 0.5
cylinder radius 0.2 height 0.2 segments 12 open bottom painted at 0 0.2 0 project y
)";

Image grey() {
    Image picture(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) picture.at(x, y) = {0.5f, 0.5f, 0.5f, 1.0f};
    return picture;
}

// The stud's top keeps the slab's lit grey; its wall shows in other light between the top
// and the side nearer the eye (towards -x and -z, the top of the picture).
TEST(PaintedParts, AStudIsPaintedWhereTheFarCameraSeesItAndTheRestIsLeft) {
    ModelDescription model;
    ASSERT_TRUE(ShapeFile::parse(kStuddedSlab, "slab.shape", model));
    Image picture = grey();
    ASSERT_TRUE(paintParts(model, "slab.shape", picture));
    const auto r = [&](int x, int y) { return picture.at(x, y).r; };
    EXPECT_NEAR(r(1, 1), 0.5f, 1e-6f) << "the corner is no stud's";
    EXPECT_NEAR(r(30, 30), 0.5f, 1e-6f);
    EXPECT_NEAR(r(18, 19), 0.5f, 0.01f) << "the stud's top, shifted away from the eye";
    EXPECT_GT(std::fabs(r(12, 11) - 0.5f), 0.05f) << "the stud's wall, towards the eye";
}

TEST(PaintedParts, RefusesAModelWithNothingToPaintOn) {
    ModelDescription model;
    ASSERT_TRUE(ShapeFile::parse("texture T\npainting P\nsphere radius 1 painted\n", "ball.shape", model));
    Image picture = grey();
    LogCapture log;
    EXPECT_FALSE(paintParts(model, "ball.shape", picture));
    EXPECT_TRUE(log.saw({"ball.shape", "painted onto"})) << log.all();
}

}  // namespace
}  // namespace nimbus
