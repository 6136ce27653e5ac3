#pragma once

#include <array>
#include <vector>

namespace nimbus {

// A closed outline in the x-z plane, one point per corner, not repeating the first.
using Outline = std::vector<std::array<float, 2>>;

// Twice the enclosed area, positive when the corners run counter-clockwise with x to
// the right and z upwards.
float signedArea2(const Outline& outline);

// The outline with its corners counter-clockwise (reversed when they were not).
Outline counterClockwise(const Outline& outline);

// True when the outline encloses an area and no two of its edges cross or touch except
// neighbours at their shared corner.
bool isSimplePolygon(const Outline& outline);

// The counter-clockwise outline moved inwards by `distance`, corner by corner (mitred).
Outline inset(const Outline& ccw, float distance);

// True when insetting by `distance` leaves a simple outline of the same orientation
// whose edges all still run their own way (none collapsed past the middle).
bool insetStaysSimple(const Outline& outline, float distance);

// Triangles (corner indices, counter-clockwise) covering a simple counter-clockwise
// outline, by ear clipping.
std::vector<std::array<int, 3>> triangulate(const Outline& ccw);

}  // namespace nimbus
