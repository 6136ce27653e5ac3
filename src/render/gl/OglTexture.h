#pragma once

#include <cstdint>

#include "render/Texture.h"

namespace nimbus {

struct TextureHeader;

// A GL texture with the mip chain of a ".texture" file, held as RGBA; an alpha-only one
// as its alpha alone, shown white, where the driver can.
class OglTexture : public Texture {
public:
    // Uploads the header's mip chain from `pixels` (`pixelBytes` of them), or allocates
    // it undefined when `pixels` is null. Null, with the reason logged, for a header
    // whose format, size or mip count is invalid or pixels fewer than the chain needs.
    static OglTexture* create(const TextureHeader& header, const void* pixels, int64_t pixelBytes);
    ~OglTexture() override;
    OglTexture(const OglTexture&) = delete;
    OglTexture& operator=(const OglTexture&) = delete;

    int32_t getWidth() const override { return width_; }
    int32_t getHeight() const override { return height_; }
    uint32_t getHandle() const override { return name_; }
    bool readPixels(void* buffer, int64_t size) override;
    // Level 0 takes the window's size, and so does the texture.
    bool copyFromScreen(Core& core) override;

private:
    OglTexture(uint32_t name, int32_t width, int32_t height, bool alphaAlone)
        : name_(name), width_(width), height_(height), alphaAlone_(alphaAlone) {}

    uint32_t name_;
    int32_t width_;
    int32_t height_;
    bool alphaAlone_;  // held as alpha alone until a screen copy makes it RGBA
};

}  // namespace nimbus
