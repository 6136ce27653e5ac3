#include <gtest/gtest.h>

#include <string>

#include "ShapeFile.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

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
        {"texture T\nprism height 1 point 0 0 point 1 0 point 1 0 point 0 1\n", "bad.shape:2", "crosses"},
        {"texture T\nprism height 0.2 bevel 0.09 point 0 0 point 0.1 0 point 0 0.1\n", "bad.shape:2",
         "too wide"},
        {"texture T\nbox scale 1 0 1\n", "bad.shape:2", "scale"},
        {"box\n", "bad.shape", "no texture"},
        {"texture T\n", "bad.shape", "no part"},
        {"texture\n", "bad.shape:1", "needs a name"},
        {"texture T\nbox painted\n", "bad.shape", "no picture"},
        {"texture T\npainting\n", "bad.shape:2", "needs the name"}};
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

}  // namespace
}  // namespace nimbus
