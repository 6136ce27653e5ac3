#pragma once

#include <cstdint>

namespace nimbus {

class Core;

// A 2-D RGBA texture on the GPU, made by the core and owned by its resource (or whoever
// asked the core for it). Deleting it frees the GL texture.
class Texture {
public:
    virtual ~Texture() = default;
    virtual int32_t getWidth() const = 0;
    virtual int32_t getHeight() const = 0;
    // The GL texture name, for binding to effect samplers.
    virtual uint32_t getHandle() const = 0;
    // Copies level 0 as RGBA bytes; false when `size` is not width × height × 4 (nothing
    // is touched then) or GL reports an error.
    virtual bool readPixels(void* buffer, int64_t size) = 0;
    // Copies the window's frame buffer into level 0; false when the core reports a zero
    // size or GL reports an error.
    virtual bool copyFromScreen(Core& core) = 0;
};

// Registers a texture (may be null) as a "Texture" resource under the name.
bool registerTexture(const char* name, Texture* texture);

}  // namespace nimbus
