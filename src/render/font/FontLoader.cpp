#include "render/font/FontLoader.h"

#include <tinyxml.h>

#include <string>

#include "core/Log.h"
#include "core/ResourceManager.h"
#include "render/font/BitmapFont.h"
#include "render/font/GlyphDescription.h"

namespace nimbus {

namespace {

bool isPowerOfTwo(int32_t value) { return value > 0 && (value & (value - 1)) == 0; }

GlyphMetrics toMetrics(const GlyphRecord& glyph, float size, float width, float height) {
    GlyphMetrics m;
    m.left = static_cast<float>(glyph.left) / size;
    m.bottom = static_cast<float>(glyph.top - glyph.rows) / size;
    m.right = static_cast<float>(glyph.left + glyph.width) / size;
    m.top = static_cast<float>(glyph.top) / size;
    m.uLeft = static_cast<float>(glyph.x) / width;
    m.vBottom = static_cast<float>(glyph.y + glyph.rows) / height;
    m.uRight = static_cast<float>(glyph.x + glyph.width) / width;
    m.vTop = static_cast<float>(glyph.y) / height;
    m.advance = static_cast<float>(glyph.advanceX64) / (size * 64.0f);
    return m;
}

}  // namespace

BitmapFont* loadFont(const TiXmlElement& element) {
    const char* name = element.Attribute("name");
    if (!name) {
        LOG_ERROR("Missing texture name attribute");
        return nullptr;
    }
    const char* textureName = element.Attribute("texture");
    if (!textureName) {
        LOG_ERROR("Missing texture filename attribute");
        return nullptr;
    }
    const char* infoName = element.Attribute("info");
    if (!infoName) {
        LOG_ERROR("Missing info filename attribute");
        return nullptr;
    }
    ResourceHandle<Texture> texture = getResource<Texture>(textureName, "Texture");
    if (!texture) return nullptr;
    const int32_t width = texture->getWidth(), height = texture->getHeight();
    if (!isPowerOfTwo(width) || !isPowerOfTwo(height)) {
        LOG_ERROR("Incorrect texture dimensions: " << width << " x " << height);
        return nullptr;
    }
    ResourceHandle<Texture> glow =
        getResource<Texture>((std::string(textureName) + "_glow").c_str(), "Texture");
    GlyphDescription description;
    if (!readGlyphDescription(infoName, description)) return nullptr;
    // Glyph positions are divided by the glyph size; without one they would be endless.
    if (!description.glyphs.empty() && description.glyphSize <= 0) {
        LOG_ERROR("Incorrect glyph size " << description.glyphSize << " in " << infoName);
        return nullptr;
    }
    BitmapFont::Glyphs glyphs;
    const auto size = static_cast<float>(description.glyphSize);
    for (const GlyphRecord& glyph : description.glyphs) {
        glyphs[glyph.code] = toMetrics(glyph, size, static_cast<float>(width), static_cast<float>(height));
    }
    return new BitmapFont(texture, glow, name, textureName, infoName, std::move(glyphs));
}

}  // namespace nimbus
