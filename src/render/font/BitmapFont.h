#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/ResourceHandle.h"
#include "render/Texture.h"
#include "render/font/GlyphMetrics.h"

namespace nimbus {

// A font drawn from a texture atlas of pre-rendered glyphs: the atlas, its glow twin
// (may be empty), the names it was declared with and the metrics of each glyph by
// character code. UTF-8 text is looked up by code point; a byte that is no part of a
// well-formed character finds only a glyph stored under its negative signed 8-bit code.
class BitmapFont {
public:
    using Glyphs = std::map<int32_t, GlyphMetrics>;

    BitmapFont(ResourceHandle<Texture> texture, ResourceHandle<Texture> glowTexture, std::string name,
               std::string textureName, std::string infoName, Glyphs glyphs);
    virtual ~BitmapFont() = default;

    const ResourceHandle<Texture>& texture() const { return texture_; }
    const ResourceHandle<Texture>& glowTexture() const { return glowTexture_; }
    const std::string& name() const { return name_; }
    const std::string& textureName() const { return textureName_; }
    const std::string& infoName() const { return infoName_; }
    const Glyphs& glyphs() const { return glyphs_; }
    // The glyph of the code, or null when the font has none.
    const GlyphMetrics* findGlyph(int32_t code) const;

private:
    ResourceHandle<Texture> texture_;
    ResourceHandle<Texture> glowTexture_;
    std::string name_;
    std::string textureName_;
    std::string infoName_;
    Glyphs glyphs_;
};

// The type name fonts are registered and looked up under.
constexpr const char* kFontTypeName = "Font";

// Registers a font (may be null) as a "Font" resource under the name.
bool registerFont(const char* name, BitmapFont* font);

}  // namespace nimbus
