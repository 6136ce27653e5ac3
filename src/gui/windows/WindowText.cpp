#include "gui/windows/WindowText.h"

#include <SDL/SDL_keysym.h>

#include "core/MessageCatalogue.h"
#include "gui/InputEvent.h"
#include "render/ScreenspaceRenderer.h"
#include "render/font/BitmapFont.h"
#include "render/font/DrawText.h"
#include "render/font/LayoutText.h"

namespace nimbus {

namespace {

constexpr float kSlant = 0.5f;

}  // namespace

void drawWindowText(const BitmapFont* font, const std::string& text, const TextStyle& style,
                    const Vector2& anchor, ScreenspaceRenderer& renderer) {
    if (!font || text.empty()) return;
    const bool keepEnd = style.fit == TextStyle::Fit::KeepEnd && style.fitWidth > 0.0f;
    const size_t skipped = keepEnd && text.size() > kMaxWindowText ? text.size() - kMaxWindowText : 0;
    const char* shown = style.translate ? translated(text.c_str()) : text.c_str() + skipped;
    ScreenQuad laid[kMaxWindowText];
    int32_t count = layoutText(*font, laid, kMaxWindowText, shown, style.height, kSlant);
    ScreenQuad* quads = laid;
    while (keepEnd && count > 1 && textExtent(count, quads) > style.fitWidth) {
        ++quads;
        --count;
    }
    if (!keepEnd && style.fitWidth > 0.0f) fitToWidth(count, quads, style.fitWidth);
    TextAlignment alignment;
    alignment.horizontal = style.horizontal;
    alignment.vertical = TextAlignment::kBaseline;
    drawText(count, alignment, anchor, quads, font->texture(), renderer, false, style.color);
    if (style.glow && font->glowTexture()) {
        drawText(count, alignment, anchor, quads, font->glowTexture(), renderer, style.glowAdds, style.glow);
    }
}

void typeInto(std::string& text, const InputEvent& event) {
    if (event.key == SDLK_BACKSPACE) {
        // A whole character, however many bytes it has: its continuation bytes, then its lead.
        while (!text.empty()) {
            const bool continuation = (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80;
            text.pop_back();
            if (!continuation) break;
        }
    } else if (event.unicode >= ' ' && event.unicode <= '~') {
        text.push_back(static_cast<char>(event.unicode));
    }
}

}  // namespace nimbus
