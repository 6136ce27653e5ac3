#pragma once

#include <cstdint>
#include <string>

#include "core/math/Vector2.h"
#include "core/math/Vector3.h"
#include "render/ScreenspaceRenderer.h"

namespace nimbus {

// A short text hanging over a point of the scene, laid out at its own origin; it fades
// out over its lifetime and may drift (in GUI units per second) and grow.
struct FloatingText {
    static constexpr int32_t kMaxQuads = 32;

    std::string text;
    ScreenQuad quads[kMaxQuads];
    int32_t quadCount = 0;
    float age = 0.0f;
    float lifetime = 0.0f;
    Vector3 position;
    Vector2 drift;
    // 1 for none; 5 makes the text five times larger per second.
    float growth = 1.0f;
};

}  // namespace nimbus
