#pragma once

#include <cstdint>

#include "core/math/Vector2.h"

namespace nimbus {

// The game's window in pixels, and the GUI's view of it: GUI coordinates put the origin
// at the window's centre, x from -kViewAspect (left) to kViewAspect, y from -1 (bottom)
// to 1. The game, its tools, tests and benchmarks all draw into this window.
constexpr int32_t kViewWidth = 1024;
constexpr int32_t kViewHeight = 768;
constexpr float kViewAspect = static_cast<float>(kViewWidth) / static_cast<float>(kViewHeight);
// The lower-left and upper-right corners of the GUI view.
constexpr Vector2 kViewMin{-kViewAspect, -1.0f};
constexpr Vector2 kViewMax{kViewAspect, 1.0f};

}  // namespace nimbus
