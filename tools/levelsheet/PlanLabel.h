#pragma once

#include "Image.h"

namespace nimbus {

// A plan's number on the level sheet, in blocky digits that need no font file, so
// that forty small plans can still be told apart at a glance.
class PlanLabel {
public:
    static constexpr int kScale = 3;
    // A digit is three blocks wide and five high, with one block between digits.
    static constexpr int kHeight = 5 * kScale;

    // Draws `number` (0 or more) with its top left corner at (x0, y0).
    static void draw(Image& image, int x0, int y0, int number, const Pixel& ink);
};

}  // namespace nimbus
