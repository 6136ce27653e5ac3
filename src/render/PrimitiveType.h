#pragma once

#include <cstdint>

namespace nimbus {

// What the vertices of a draw make. Any other value draws plain points.
enum class PrimitiveType : int32_t {
    Triangles = 0,
    Lines = 1,
    Quads = 2,
    // Non-indexed: points with sprite state, so the vertex program sets the point size and
    // the fragment program reads the sprite coordinate. Indexed: plain points.
    PointSprites = 3,
};

}  // namespace nimbus
