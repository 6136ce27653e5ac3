#include "AtlasPacker.h"

#include <algorithm>
#include <numeric>

namespace nimbus {

int32_t packAtlas(std::vector<AtlasBox>& boxes, int32_t width, int32_t gap) {
    std::vector<size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), size_t{0});
    // Ties keep the given order, so the same boxes always land in the same places.
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return boxes[a].height > boxes[b].height; });
    int32_t x = gap, y = gap, shelfHeight = 0;
    for (size_t i : order) {
        AtlasBox& box = boxes[i];
        if (box.width + 2 * gap > width) return 0;
        if (x + box.width + gap > width) {
            x = gap;
            y += shelfHeight + gap;
            shelfHeight = 0;
        }
        box.x = x;
        box.y = y;
        x += box.width + gap;
        shelfHeight = std::max(shelfHeight, box.height);
    }
    const int32_t used = y + shelfHeight + gap;
    int32_t height = 1;
    while (height < used) height *= 2;
    return height;
}

}  // namespace nimbus
