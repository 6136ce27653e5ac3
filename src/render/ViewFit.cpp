#include "render/ViewFit.h"

#include <algorithm>
#include <cmath>

#include "render/ViewSize.h"

namespace nimbus {

namespace {

// An edge this close to the view's edge counts as on it: the GUI document writes window
// sizes with a few decimals.
constexpr float kEdgeSlack = 1e-3f;

}  // namespace

ViewFit::ViewFit(int32_t windowWidth, int32_t windowHeight) {
    window_ = {0, 0, windowWidth, windowHeight};
    const float scale = std::min(static_cast<float>(windowWidth) / kViewWidth,
                                 static_cast<float>(windowHeight) / kViewHeight);
    view_.width = std::min(windowWidth, static_cast<int32_t>(std::lround(kViewWidth * scale)));
    view_.height = std::min(windowHeight, static_cast<int32_t>(std::lround(kViewHeight * scale)));
    view_.x = (windowWidth - view_.width) / 2;
    view_.y = (windowHeight - view_.height) / 2;
}

void ViewFit::toViewPixel(int32_t& x, int32_t& y) const {
    // The first and last pixels of the view map onto the view's first and last, as the
    // GUI maps its own (Gui::screenToGui).
    const float sx = (kViewWidth - 1.0f) / static_cast<float>(std::max(view_.width - 1, 1));
    const float sy = (kViewHeight - 1.0f) / static_cast<float>(std::max(view_.height - 1, 1));
    const int32_t top = window_.height - view_.y - view_.height;
    x = static_cast<int32_t>(std::lround(static_cast<float>(x - view_.x) * sx));
    y = static_cast<int32_t>(std::lround(static_cast<float>(y - top) * sy));
}

void ViewFit::windowExtent(const Vector2& viewMin, const Vector2& viewMax, Vector2& min, Vector2& max) const {
    const float perX = (viewMax.x - viewMin.x) / static_cast<float>(view_.width);
    const float perY = (viewMax.y - viewMin.y) / static_cast<float>(view_.height);
    min = {viewMin.x - perX * static_cast<float>(view_.x), viewMin.y - perY * static_cast<float>(view_.y)};
    max = {viewMax.x + perX * static_cast<float>(window_.width - view_.x - view_.width),
           viewMax.y + perY * static_cast<float>(window_.height - view_.y - view_.height)};
}

void ViewFit::reachWindow(const Vector2& viewMin, const Vector2& viewMax, Vector2& min, Vector2& max) const {
    Vector2 windowMin, windowMax;
    windowExtent(viewMin, viewMax, windowMin, windowMax);
    if (min.x <= viewMin.x + kEdgeSlack) min.x = windowMin.x;
    if (min.y <= viewMin.y + kEdgeSlack) min.y = windowMin.y;
    if (max.x >= viewMax.x - kEdgeSlack) max.x = windowMax.x;
    if (max.y >= viewMax.y - kEdgeSlack) max.y = windowMax.y;
}

}  // namespace nimbus
