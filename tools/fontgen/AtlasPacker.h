#pragma once

#include <cstdint>
#include <vector>

namespace nimbus {

// A rectangle to place in an atlas: its size going in, its top-left corner coming out.
struct AtlasBox {
    int32_t width = 0;
    int32_t height = 0;
    int32_t x = 0;
    int32_t y = 0;
};

// Places boxes on shelves, tallest first, into an atlas of the given power-of-two width,
// keeping `gap` pixels between neighbours and from the edges. Returns the atlas height,
// the smallest power of two that holds every shelf, or 0 when a box is wider than the
// atlas. The order of the boxes is kept; only their corners are set.
int32_t packAtlas(std::vector<AtlasBox>& boxes, int32_t width, int32_t gap);

}  // namespace nimbus
