#pragma once

#include "render/Texture.h"
#include "render/TextureFile.h"

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

// The header of a texture of the format and size, in `mips` levels.
inline TextureHeader textureHeader(PixelFormat format, int width, int height, int mips = 1) {
    TextureHeader h;
    h.format = static_cast<int16_t>(format);
    h.width = static_cast<int16_t>(width);
    h.height = static_cast<int16_t>(height);
    h.mipCount = static_cast<int16_t>(mips);
    return h;
}

}  // namespace nimbus
