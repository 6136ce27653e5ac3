#include "render/font/BitmapFont.h"

#include <utility>

#include "core/ResourceManager.h"

namespace nimbus {

BitmapFont::BitmapFont(ResourceHandle<Texture> texture, ResourceHandle<Texture> glowTexture, std::string name,
                       std::string textureName, std::string infoName, Glyphs glyphs)
    : texture_(texture),
      glowTexture_(glowTexture),
      name_(std::move(name)),
      textureName_(std::move(textureName)),
      infoName_(std::move(infoName)),
      glyphs_(std::move(glyphs)) {}

const GlyphMetrics* BitmapFont::findGlyph(int32_t code) const {
    const auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
}

bool registerFont(const char* name, BitmapFont* font) { return registerResource(name, font, kFontTypeName); }

}  // namespace nimbus
