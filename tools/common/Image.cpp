#include "Image.h"

#include <cmath>

namespace nimbus {

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

const Pixel& Image::sample(float u, float v) const {
    const auto wrap = [](float t, int size) {
        int i = static_cast<int>(std::floor(t * static_cast<float>(size)));
        i %= size;
        return i < 0 ? i + size : i;
    };
    return at(wrap(u, width_), wrap(v, height_));
}

Image Image::halved() const {
    Image out(width_ / 2, height_ / 2);
    for (int y = 0; y < out.height_; ++y) {
        for (int x = 0; x < out.width_; ++x) {
            const Pixel& p0 = at(2 * x, 2 * y);
            const Pixel& p1 = at(2 * x + 1, 2 * y);
            const Pixel& p2 = at(2 * x, 2 * y + 1);
            const Pixel& p3 = at(2 * x + 1, 2 * y + 1);
            out.at(x, y) = {(p0.r + p1.r + p2.r + p3.r) * 0.25f, (p0.g + p1.g + p2.g + p3.g) * 0.25f,
                            (p0.b + p1.b + p2.b + p3.b) * 0.25f, (p0.a + p1.a + p2.a + p3.a) * 0.25f};
        }
    }
    return out;
}

}  // namespace nimbus
