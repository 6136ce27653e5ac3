#include "GlowFilter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Image.h"

namespace nimbus {

namespace {

std::vector<float> gaussianKernel(float radius) {
    const int reach = std::max(1, static_cast<int>(std::ceil(radius * 3.0f)));
    std::vector<float> kernel(static_cast<size_t>(2 * reach + 1));
    float sum = 0.0f;
    for (int i = -reach; i <= reach; ++i) {
        const float w = std::exp(-0.5f * static_cast<float>(i * i) / (radius * radius));
        kernel[static_cast<size_t>(i + reach)] = w;
        sum += w;
    }
    for (float& w : kernel) w /= sum;
    return kernel;
}

// One pass of the separable blur; (dx, dy) is the direction of the pass.
Image blurPass(const Image& in, const std::vector<float>& kernel, int dx, int dy) {
    const int reach = static_cast<int>(kernel.size() / 2);
    Image out(in.width(), in.height());
    for (int y = 0; y < in.height(); ++y) {
        for (int x = 0; x < in.width(); ++x) {
            Pixel sum;
            for (int k = -reach; k <= reach; ++k) {
                const int sx = x + k * dx, sy = y + k * dy;
                if (sx < 0 || sy < 0 || sx >= in.width() || sy >= in.height()) continue;
                const Pixel& p = in.at(sx, sy);
                const float w = kernel[static_cast<size_t>(k + reach)];
                sum.r += p.r * w;
                sum.g += p.g * w;
                sum.b += p.b * w;
                sum.a += p.a * w;
            }
            out.at(x, y) = sum;
        }
    }
    return out;
}

}  // namespace

Image makeGlow(const Image& picture, float radius, float strength) {
    const std::vector<float> kernel = gaussianKernel(radius);
    Image glow = blurPass(blurPass(picture, kernel, 1, 0), kernel, 0, 1);
    for (int y = 0; y < glow.height(); ++y) {
        for (int x = 0; x < glow.width(); ++x) {
            Pixel& p = glow.at(x, y);
            // Brighten as a whole so the colour stays the same; alpha and every
            // premultiplied channel then stay within 0 to 1.
            const float gain = std::min(strength, p.a > 0.0f ? 1.0f / p.a : strength);
            p = {p.r * gain, p.g * gain, p.b * gain, p.a * gain};
        }
    }
    return glow;
}

}  // namespace nimbus
