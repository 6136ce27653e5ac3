#pragma once

#include <cstdint>

#include "core/ResourceHandle.h"
#include "core/math/Color.h"
#include "core/math/Vector2.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// A big line with a smaller hint under it, over the middle of the game view, on a dark
// band as wide as the view so that the board, the floating texts and the HUD under it
// cannot make it unreadable. Laid out once, so that drawing it every frame costs no
// allocation. Without a font it draws nothing.
class ViewCaption {
public:
    static constexpr int32_t kMaxCharacters = 32;

    // Lays the lines out in the font; each keeps at most kMaxCharacters characters, and a
    // line wider than the view less a margin is shrunk to fit.
    void layout(const ResourceHandle<BitmapFont>& font, const char* title, const char* hint,
                const Color& glow);
    // Queues the band and the text for the view with this centre and size.
    void draw(ScreenspaceRenderer& renderer, const Vector2& centre, const Vector2& size) const;

private:
    void drawLine(ScreenspaceRenderer& renderer, const ScreenQuad* quads, int32_t count,
                  const Vector2& anchor) const;

    ResourceHandle<BitmapFont> font_;
    ResourceHandle<Texture> band_;
    Color glow_;
    ScreenQuad title_[kMaxCharacters];
    int32_t titleCount_ = 0;
    ScreenQuad hint_[kMaxCharacters];
    int32_t hintCount_ = 0;
};

}  // namespace nimbus
