#pragma once

#include <string>

#include "Image.h"
#include "ModelDescription.h"

namespace nimbus {

// Paints the parts of `model` marked painted into `picture`, the picture of the part
// they stand on (the first part not painted, projected along y over an area), for the
// coarse build, which leaves them out: each as the board's camera sees it on a far tile
// (along kFarTileView), shaded by the board's light relative to the light on the top it
// stands on, which the board multiplies back in. Edges are smoothed over 4 × 4 samples a
// texel. False, with `name` in the message, when no part can take the painting.
bool paintParts(const ModelDescription& model, const std::string& name, Image& picture);

}  // namespace nimbus
