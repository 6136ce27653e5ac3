#pragma once

#include <cstdint>

namespace nimbus {

struct GroundFootprint;

// The run of tile indices (z × width + x) the camera may see, drawn in batches of
// `kTilesPerBatch` consecutive tiles starting at `first`: each batch starts a whole
// batch after the one before, and the last holds what is left before `end`. Indices are
// whole rows from the footprint's first row to its last, so tiles beside the view on
// those rows are drawn too; that costs little and keeps one draw per twelve tiles.
struct TileSpan {
    static constexpr int32_t kTilesPerBatch = 12;

    int32_t first = 0;
    int32_t end = 0;

    // How many tiles the batch starting at `start` holds: 1 to 12 for a start before
    // `end`, 0 from `end` on.
    int32_t batchSize(int32_t start) const;
};

// The tiles of a width × length board under the footprint, which is clamped to the
// board first. Never reaches past the board's last tile, so no batch is empty or
// counts backwards; an empty board gives an empty span.
TileSpan visibleTiles(const GroundFootprint& footprint, int32_t width, int32_t length);

}  // namespace nimbus
