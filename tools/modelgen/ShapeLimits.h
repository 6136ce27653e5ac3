#pragma once

#include <cstddef>
#include <string>

#include "ModelDescription.h"

namespace nimbus {

// Bounds that keep every description to a mesh of sensible size.
constexpr int kMaxSegments = 256;
constexpr size_t kMaxPrismPoints = 64;
constexpr float kMaxExtent = 16.0f;

// Segment counts of a part: its own, or the shape's default when it gives none.
int segmentsOf(const PartDescription& part);

// What is wrong with a finished part, or the empty string when nothing is: sizes out
// of range, a bevel or corner radius larger than the shape, a prism outline that is
// not a simple polygon.
std::string checkPart(const PartDescription& part);

}  // namespace nimbus
