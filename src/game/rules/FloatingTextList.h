#pragma once

#include <vector>

#include "core/ResourceHandle.h"
#include "game/rules/FloatingText.h"
#include "render/font/BitmapFont.h"

namespace nimbus {

// The texts that rise over the board of one level, in the order spawned. The game rules
// spawn and advance them; the scene drawing projects and draws them.
class FloatingTextList {
public:
    static constexpr float kTextSize = 0.1f;
    static constexpr float kSlant = 0.5f;

    // Lays texts out with the font; without one no text is ever added.
    explicit FloatingTextList(ResourceHandle<BitmapFont> font) : font_(font) {}

    // Adds a white text of at most 32 characters; a text that lays out no glyph is not
    // added.
    void spawn(const std::string& text, float lifetime, const Vector3& position, const Vector2& drift,
               float growth);
    // Ages every text, drops those whose age reached their lifetime, fades the rest by
    // sqrt(1 - age / lifetime) and grows them about their origin.
    void update(float dt);

    const std::vector<FloatingText>& entries() const { return entries_; }
    const ResourceHandle<BitmapFont>& font() const { return font_; }

private:
    ResourceHandle<BitmapFont> font_;
    std::vector<FloatingText> entries_;
};

}  // namespace nimbus
