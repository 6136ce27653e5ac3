#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "game/scene/GroundFootprint.h"
#include "game/scene/TileBatches.h"

using namespace nimbus;

namespace {

// The run holds the footprint's first cell to its last (all of a board smaller than the
// view); an empty board has none.
TEST(TileBatches, TheRunNeverLeavesTheBoardOrAVisibleTileOut) {
    const GroundFootprint footprints[] = {
        {-20.0f, 30.0f, -20.0f, 30.0f}, {1.2f, 3.7f, 0.5f, 2.5f},     {2.0f, 2.0f, 4.0f, 4.0f},
        {3.5f, 99.0f, 3.5f, 99.0f},     {-5.0f, -1.0f, -5.0f, -1.0f}, {0.0f, 0.0f, 0.0f, 0.0f},
    };
    for (int32_t width = 1; width <= 14; ++width) {
        for (int32_t length = 1; length <= 14; ++length) {
            for (const GroundFootprint& f : footprints) {
                const TileSpan span = visibleTiles(f, width, length);
                const auto cell = [](float v, int32_t n) {
                    return std::min(std::max(static_cast<int32_t>(v), 0), n - 1);
                };
                const int32_t lowest = cell(f.minZ, length) * width + cell(f.minX, width);
                const int32_t highest = cell(f.maxZ, length) * width + cell(f.maxX, width);
                EXPECT_TRUE(span.first >= 0 && span.first <= lowest && span.end > highest &&
                            span.end <= width * length)
                    << width << " x " << length << ": " << span.first << " to " << span.end;
            }
        }
    }
    const TileSpan none = visibleTiles(footprints[0], 0, 5);
    EXPECT_EQ(none.first, none.end);
}

}  // namespace
