#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "SheetLayout.h"

namespace nimbus {
namespace {

// Plans in rows of two with a gap of 10 and a label strip of 5: each row as tall as its
// tallest plan, the sheet as wide as its widest row, a wide plan widening only its own row.
TEST(SheetLayout, RowsFitTheirOwnPlans) {
    const SheetLayout layout({{40, 20}, {30, 50}, {100, 10}, {20, 20}, {30, 30}}, 2, 10, 5);
    const struct { int x, y; } spots[] = {{10, 15}, {60, 15}, {10, 80}, {120, 80}, {10, 115}};
    for (size_t i = 0; i < std::size(spots); ++i) {
        SCOPED_TRACE("plan " + std::to_string(i));
        EXPECT_EQ(spots[i].x, layout.x(i));
        EXPECT_EQ(spots[i].y, layout.y(i));
    }
    EXPECT_EQ(150, layout.width());
    EXPECT_EQ(155, layout.height());
}

}  // namespace
}  // namespace nimbus
