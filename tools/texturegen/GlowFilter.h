#pragma once

namespace nimbus {

class Image;

// The glow twin of a picture: the picture blurred with a Gaussian of the given radius
// (its standard deviation, in pixels) and its alpha brightened by `strength`, so a glow
// layer drawn under or over the sharp one gives each shape a soft halo in its own colour.
// Pixels beyond the edges count as transparent.
Image makeGlow(const Image& picture, float radius, float strength);

}  // namespace nimbus
