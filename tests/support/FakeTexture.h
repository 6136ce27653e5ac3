#pragma once

#include "render/Texture.h"

namespace nimbus {

// A texture of a given size with no pixels anywhere, for code that only asks its size.
class FakeTexture : public Texture {
public:
    FakeTexture(int32_t width, int32_t height) : width_(width), height_(height) {}
    int32_t getWidth() const override { return width_; }
    int32_t getHeight() const override { return height_; }
    uint32_t getHandle() const override { return 0; }
    bool readPixels(void*, int64_t) override { return false; }
    bool copyFromScreen(Core&) override { return false; }

private:
    int32_t width_;
    int32_t height_;
};

}  // namespace nimbus
