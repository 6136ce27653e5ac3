#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/math/Transform.h"
#include "game/scene/GroundFootprint.h"
#include "game/scene/TileBatches.h"

using namespace nimbus;

namespace {

struct Batch {
    int32_t start, count;
    bool operator==(const Batch& o) const { return start == o.start && count == o.count; }
};

std::vector<Batch> batches(const TileSpan& span) {
    std::vector<Batch> out;
    for (int32_t b = span.first; b < span.end; b += TileSpan::kTilesPerBatch)
        out.push_back({b, span.batchSize(b)});
    return out;
}

TEST(TileBatches, ABoardSmallerThanTheViewIsDrawnOnceInBatchesOfTwelveAndTheRest) {
    const GroundFootprint wide{-20.0f, 30.0f, -20.0f, 30.0f};
    EXPECT_EQ(batches(visibleTiles(wide, 5, 5)), (std::vector<Batch>{{0, 12}, {12, 12}, {24, 1}}));
    EXPECT_EQ(batches(visibleTiles(wide, 4, 6)), (std::vector<Batch>{{0, 12}, {12, 12}}));
    EXPECT_TRUE(batches(visibleTiles(wide, 0, 5)).empty());
}

// Whatever the footprint, every batch holds 1 to 12 tiles, none past the board's last,
// and the tiles from the footprint's first cell to its last are all drawn.
TEST(TileBatches, NoBatchRunsPastTheBoardOrLeavesAVisibleTileOut) {
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
                int32_t drawnTo = span.first;
                for (const Batch& b : batches(span)) {
                    ASSERT_GE(b.count, 1) << width << " x " << length;
                    ASSERT_LE(b.count, TileSpan::kTilesPerBatch);
                    ASSERT_LE(b.start + b.count, width * length) << width << " x " << length;
                    drawnTo = b.start + b.count;
                }
                EXPECT_LE(span.first, lowest) << width << " x " << length;
                EXPECT_GT(drawnTo, highest) << width << " x " << length;
            }
        }
    }
}

TEST(GroundFootprint, ACameraLookingStraightDownSeesARectangleAroundItsFoot) {
    Transform world;
    world.x = {1, 0, 0};
    world.y = {0, 0, -1};
    world.z = {0, 1, 0};
    world.t = {2, 5, 3};
    const float fovy = 0.3490658f, halfZ = 5.0f * std::tan(fovy / 2.0f);
    const GroundFootprint f = groundFootprint(world, fovy, 1.5f, 1.0f);
    const float got[] = {f.minX, f.maxX, f.minZ, f.maxZ};
    const float want[] = {2.0f - 1.5f * halfZ, 2.0f + 1.5f * halfZ, 3.0f - halfZ, 3.0f + halfZ};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-4f) << i;
}

}  // namespace
