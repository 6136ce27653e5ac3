#include "game/scene/TileBatches.h"

#include <algorithm>
#include <cmath>

#include "game/scene/GroundFootprint.h"

namespace nimbus {

int32_t TileSpan::batchSize(int32_t start) const { return std::clamp(end - start, 0, kTilesPerBatch); }

TileSpan visibleTiles(const GroundFootprint& footprint, int32_t width, int32_t length) {
    if (width <= 0 || length <= 0) return {};
    // A bound that is not a number (a camera looking at the horizon) counts as 0.
    const auto cell = [](float v, int32_t count) {
        return v > 0.0f ? std::min(v, static_cast<float>(count - 1)) : 0.0f;
    };
    const int32_t b = TileSpan::kTilesPerBatch;
    const int32_t low = static_cast<int32_t>(std::floor(cell(footprint.minZ, length))) * width +
                        static_cast<int32_t>(std::floor(cell(footprint.minX, width)));
    const int32_t high = static_cast<int32_t>(std::ceil(cell(footprint.maxZ, length))) * width +
                         static_cast<int32_t>(std::ceil(cell(footprint.maxX, width)));
    // `high` is a tile that is drawn, so the batch holding it must be counted; and the
    // board's end stops the last batch, whatever the rounding to whole batches gives.
    return {low / b * b, std::min((high / b + 1) * b, width * length)};
}

}  // namespace nimbus
