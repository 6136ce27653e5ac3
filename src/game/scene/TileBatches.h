#pragma once

#include <cstdint>

namespace nimbus {

struct GroundFootprint;

// The run of tile indices (z × width + x) from `first` up to `end` that the camera may
// see: whole rows from the footprint's first row to its last, so tiles beside the view
// on those rows are in the run too, and the drawing tests each against the view. The
// tiles are drawn `kTilesPerBatch` to a draw.
struct TileSpan {
    static constexpr int32_t kTilesPerBatch = 12;

    int32_t first = 0;
    int32_t end = 0;
};

// The tiles of a width × length board under the footprint, which is clamped to the
// board first. Never reaches past the board's last tile; an empty board gives an empty
// span.
TileSpan visibleTiles(const GroundFootprint& footprint, int32_t width, int32_t length);

}  // namespace nimbus
