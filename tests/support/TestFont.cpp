#include "support/TestFont.h"

#include "support/FakeTexture.h"

namespace nimbus {

BitmapFont* newTestFont(bool withGlow) {
    BitmapFont::Glyphs glyphs;
    for (int code = ' '; code <= '~'; ++code) {
        glyphs[code] = {0, 0, 0.5f, 1, static_cast<float>(code), 1, static_cast<float>(code + 1), 0, 0.6f};
    }
    ResourceHandle<Texture> glow;
    if (withGlow) glow = ResourceHandle<Texture>(new FakeTexture(16, 16));
    return new BitmapFont(ResourceHandle<Texture>(new FakeTexture(16, 16)), glow, "Alba", "Textures/Alba",
                          "Alba.xml", glyphs);
}

void registerTestFont() { registerFont("Fonts/Alba", newTestFont()); }

}  // namespace nimbus
