#include "game/scene/TileBatches.h"

#include <algorithm>
#include <cmath>

#include "game/scene/GroundFootprint.h"

namespace nimbus {

TileSpan visibleTiles(const GroundFootprint& footprint, int32_t width, int32_t length) {
    if (width <= 0 || length <= 0) return {};
    // A bound that is not a number (a camera looking at the horizon) counts as 0.
    const auto cell = [](float v, int32_t count) {
        return v > 0.0f ? std::min(v, static_cast<float>(count - 1)) : 0.0f;
    };
    const int32_t low = static_cast<int32_t>(std::floor(cell(footprint.minZ, length))) * width +
                        static_cast<int32_t>(std::floor(cell(footprint.minX, width)));
    const int32_t high = static_cast<int32_t>(std::ceil(cell(footprint.maxZ, length))) * width +
                         static_cast<int32_t>(std::ceil(cell(footprint.maxX, width)));
    return {low, std::min(high + 1, width * length)};
}

}  // namespace nimbus
