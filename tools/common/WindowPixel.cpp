#include "WindowPixel.h"

#include <cmath>

#include "render/ViewSize.h"

namespace nimbus {

int windowPixelX(float x) {
    return static_cast<int>(std::lround((x / kViewAspect + 1.0f) * 0.5f * (kViewWidth - 1)));
}

int windowPixelY(float y) { return static_cast<int>(std::lround((1.0f - y) * 0.5f * (kViewHeight - 1))); }

}  // namespace nimbus
