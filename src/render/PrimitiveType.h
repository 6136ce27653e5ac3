#pragma once

#include <cstdint>

namespace nimbus {

// What the vertices of a draw make. Any other value draws plain points.
enum class PrimitiveType : int32_t {
    Triangles = 0,
    Lines = 1,
    Quads = 2,
};

}  // namespace nimbus
