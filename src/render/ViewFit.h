#pragma once

#include <cstdint>

#include "core/math/Vector2.h"

namespace nimbus {

// A rectangle of window pixels, counted from the bottom left as GL counts them.
struct PixelRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PixelRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// Where the game's 4:3 view (ViewSize.h) sits in a window of any size: as large as fits,
// centred. In a window of the view's own size the two are the same; a full screen of
// another shape leaves bands beside or above the view, into which only the backdrops and
// the 3-D scene behind the GUI run on. Everything that turns window pixels into the
// view's, or the view into window pixels, goes through here.
class ViewFit {
public:
    ViewFit(int32_t windowWidth, int32_t windowHeight);

    const PixelRect& window() const { return window_; }
    // The view's pixels in the window.
    const PixelRect& view() const { return view_; }
    // A window pixel (column from the left, row from the top, as input events give it)
    // becomes the pixel of the 1024 x 768 view it shows; beyond the view's edges it lies
    // outside the view's pixels.
    void toViewPixel(int32_t& x, int32_t& y) const;
    // The window's edges in the units in which the view spans viewMin to viewMax.
    void windowExtent(const Vector2& viewMin, const Vector2& viewMax, Vector2& min, Vector2& max) const;
    // Moves every edge of the rectangle (min, max) that lies on or past the view's edge
    // on to the window's edge, in the same units: what fills the view to an edge fills
    // the band beyond it too.
    void reachWindow(const Vector2& viewMin, const Vector2& viewMax, Vector2& min, Vector2& max) const;

private:
    PixelRect window_;
    PixelRect view_;
};

}  // namespace nimbus
