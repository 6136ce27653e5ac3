#pragma once

#include "core/ResourceHandle.h"
#include "core/math/Vector2.h"
#include "render/Texture.h"

namespace nimbus {

// One corner of a screen quad: GUI position, texture coordinates, colour.
struct ScreenVertex {
    float x = 0.0f;
    float y = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;
};

// Four corners in the caller's order, drawn as one GL quad; 32 floats.
struct ScreenQuad {
    ScreenVertex corners[4];
};
static_assert(sizeof(ScreenQuad) == 32 * sizeof(float), "a screen quad is 32 packed floats");

// All flat drawing of the game: GUI windows, text, the HUD and the backdrop. Callers add
// textured, coloured quads in GUI coordinates, optionally inside nested clip rectangles;
// nothing reaches the screen until flush, which draws everything queued since the last
// flush in the order added and forgets it. A renderer that holds no more quads draws
// what it holds before it takes the next. A quad added with no texture shows only its
// outline.
//
// The owner destroys the concrete renderer; there is no virtual destructor.
class ScreenspaceRenderer {
public:
    // Narrows the clip region to its intersection with (min, max); the first rectangle is
    // taken as it is. An empty intersection hides what is added under it.
    virtual void pushClipRect(const Vector2& min, const Vector2& max) = 0;
    // Restores the clip region before the last push; nothing happens on an empty stack.
    virtual void popClipRect() = 0;
    // Queues one quad with its texture (kept alive until the flush; may be empty) and
    // whether it glows, that is adds its light to what is below.
    virtual void addQuad(const ScreenQuad& quad, const ResourceHandle<Texture>& texture, bool glow) = 0;
    // Queues an opaque quad that lies behind everything drawn in 3-D since the depth was
    // last cleared: it fills only the pixels nothing covers yet, so a full-screen backdrop
    // drawn after the scene costs only what stays in sight.
    virtual void addBackdrop(const ScreenQuad& quad, const ResourceHandle<Texture>& texture) = 0;
    // Draws and forgets everything queued.
    virtual void flush() = 0;

protected:
    ~ScreenspaceRenderer() = default;
};

}  // namespace nimbus
