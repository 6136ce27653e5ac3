#include "SheetLayout.h"

#include <algorithm>

namespace nimbus {

SheetLayout::SheetLayout(const std::vector<Size>& plans, int columns, int gap, int label) {
    int top = gap;
    for (size_t first = 0; first < plans.size(); first += columns) {
        const size_t end = std::min(plans.size(), first + columns);
        int left = gap, tallest = 0;
        for (size_t i = first; i < end; ++i) {
            spots_.push_back({left, top + label});
            left += plans[i].width + gap;
            tallest = std::max(tallest, plans[i].height);
        }
        width_ = std::max(width_, left);
        top += label + tallest + gap;
    }
    height_ = top;
}

}  // namespace nimbus
