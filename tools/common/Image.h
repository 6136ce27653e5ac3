#pragma once

#include <cstddef>
#include <vector>

namespace nimbus {

// One pixel with its colour premultiplied by its alpha, each channel 0 to 1.
struct Pixel {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// A picture in memory for the art tools: rows from the top of the picture down, pixels
// premultiplied so that averaging and blurring never darken transparent edges. A new
// image of a given size is fully transparent.
class Image {
public:
    Image() = default;
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Pixel& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // The pixel at texture coordinates (u, v) with v = 0 at the top row, wrapping, nearest.
    const Pixel& sample(float u, float v) const;
    // Half the size, each pixel the mean of a 2 × 2 block; odd edges lose their last row
    // or column, as the texture format halves sizes.
    Image halved() const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace nimbus
