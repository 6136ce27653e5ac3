#pragma once

#include <cstddef>
#include <vector>

namespace nimbus {

// Where the plans go on the level sheet: in rows of up to `columns`, each plan as wide
// as its own board and each row as tall as its tallest plan, with a label strip above
// every plan. A long level then widens only its own row, and the rest of the sheet
// stays as compact as its boards allow.
class SheetLayout {
public:
    struct Size {
        int width;
        int height;
    };

    SheetLayout(const std::vector<Size>& plans, int columns, int gap, int label);

    int width() const { return width_; }
    int height() const { return height_; }
    // The top left corner of plan `i`; its label sits in the `label` pixels above it.
    int x(size_t i) const { return spots_[i].x; }
    int y(size_t i) const { return spots_[i].y; }

private:
    struct Spot {
        int x;
        int y;
    };

    std::vector<Spot> spots_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace nimbus
