#pragma once

#include <cstdint>
#include <string>

#include "core/math/Vector2.h"

namespace nimbus {

class BitmapFont;
class ScreenspaceRenderer;
struct Color;
struct InputEvent;

// How a window draws its line of text: glyph height, horizontal alignment (TextAlignment
// modes), the text colour (none keeps the glyphs white), and the glow layer's colour
// (none draws no glow layer) and whether that layer adds its light or blends. A line
// wider than a fit width above 0 is shrunk to that width, or, to keep the end in view,
// shows as many of its last characters as fit. A line to translate is one of the
// document's texts, shown in the player's language.
struct TextStyle {
    enum class Fit { Shrink, KeepEnd };

    float height = 0.0f;
    int32_t horizontal = 0;
    const Color* color = nullptr;
    const Color* glow = nullptr;
    bool glowAdds = false;
    float fitWidth = 0.0f;
    Fit fit = Fit::Shrink;
    bool translate = false;
};

// The most characters a window's line shows.
constexpr int32_t kMaxWindowText = 32;

// The text drawing every text window shares: the first 32 characters (the last ones when
// the style keeps the end in view), slanted, fitted to the style's width, their baseline
// on the anchor, then the glow layer when the font has a glow texture. Nothing is drawn
// without a font or text.
void drawWindowText(const BitmapFont* font, const std::string& text, const TextStyle& style,
                    const Vector2& anchor, ScreenspaceRenderer& renderer);

// One key's edit of a line of text: backspace removes the last character, all of its
// UTF-8 bytes; a printable ASCII character (32 to 126) is appended; anything else, wider
// characters included, changes nothing.
void typeInto(std::string& text, const InputEvent& event);

}  // namespace nimbus
