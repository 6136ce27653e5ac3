#pragma once

#include <algorithm>

#include "core/math/Vector3.h"

namespace nimbus {

// How the board is lit and seen, shared by its drawing and by the texture tool that
// paints the studs of far tiles into the coarse brick's picture, so that a painted stud
// is shaded as a modelled one.

// The light comes from above, behind the camera's left shoulder. Every face gets the
// ambient share, and the direct share as far as it faces the light.
const Vector3 kBoardLightFrom{-1.0f, 3.0f, -2.0f};
constexpr float kBoardAmbientLight = 0.42f;
constexpr float kBoardDirectLight = 0.7f;

// The light on a face turned towards `normal` (unit length).
inline float boardLightOn(const Vector3& normal) {
    return kBoardAmbientLight + kBoardDirectLight * std::max(dot(normal, normalise(kBoardLightFrom)), 0.0f);
}

// Tiles farther than this from the camera are drawn as the coarse brick, whose studs are
// painted. The game's camera keeps its height and heading, so these tiles are the top of
// the view, and the studs are painted as seen from there: from a tile straight ahead at
// about this distance towards the eye.
constexpr float kCoarseTileDistance = 16.0f;
const Vector3 kFarTileView{-0.261f, 0.799f, -0.542f};

}  // namespace nimbus
