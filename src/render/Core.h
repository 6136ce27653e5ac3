#pragma once

#include <cstdint>

#include "core/ProcessWide.h"
#include "render/CoreDesc.h"
#include "render/PrimitiveType.h"

namespace nimbus {

class IndexBuffer;
class Shader;
class Texture;
class VertexBuffer;
class VertexFormat;
struct Color;
struct TextureHeader;
struct Vector4;

// The one way to the graphics hardware: binds to the window's GL context, makes every
// GPU object, clears, draws and presents. Everything it makes is owned by the caller and
// must be deleted before the core, which does not track it. Every draw runs each pass of
// an effect technique in turn. Nothing here throws; failures are logged and return null
// or false.
class Core {
public:
    virtual ~Core() = default;

    // Binds the core to the described window; call once, first. False on any failure.
    virtual bool initialize(const CoreDesc& desc) = 0;
    // A system-memory vertex buffer of `count` vertices, or null. `dynamic` is a hint.
    virtual VertexBuffer* createVertexBuffer(int32_t count, const VertexFormat& format, bool dynamic) = 0;
    // A system-memory buffer of `count` 16-bit indices, or null.
    virtual IndexBuffer* createIndexBuffer(int32_t count, bool dynamic) = 0;
    // Compiles a zero-terminated effect text; null when it does not compile or no
    // technique of it can run (the reasons are logged).
    virtual Shader* createShader(const char* text) = 0;
    // Uploads a texture with the header's format, size and mip levels. `pixels` holds
    // `pixelBytes` bytes of the mip chain, or is null (storage left undefined). Null
    // when the header is invalid or the pixels are fewer than the chain needs.
    virtual Texture* createTexture(const TextureHeader& header, const void* pixels, int64_t pixelBytes) = 0;
    // Clears colour and depth, the colour to the given one.
    virtual void clear(const Color& color) = 0;
    // Draws `count` vertices (or indices, with an index buffer) from `first`, once per
    // pass of the technique (null or empty: the first). A technique that did not
    // validate draws nothing.
    virtual void draw(PrimitiveType type, int32_t count, int32_t first, VertexBuffer* vertices,
                      IndexBuffer* indices, Shader* shader, const char* technique) = 0;
    // Draws one line segment between the x, y, z of two points, once per pass.
    virtual void drawLine(const Vector4& from, const Vector4& to, const Color& color, Shader* shader,
                          const char* technique) = 0;
    // Shows the frame drawn since the last present.
    virtual void present() = 0;
    // The window size given to initialize; 0 and 0 before.
    virtual void getSize(int32_t& width, int32_t& height) const = 0;
};

// The process-wide core, null when there is none; the setter returns the previous one
// for its owner to delete.
inline Core* core() { return ProcessWide<Core>::get(); }
inline Core* setCore(Core* core) { return ProcessWide<Core>::set(core); }

}  // namespace nimbus
