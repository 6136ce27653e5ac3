#include "FontBuilder.h"

#include <cmath>
#include <vector>

#include "AtlasPacker.h"
#include "GlowFilter.h"
#include "GlyphRasteriser.h"
#include "TextureBuilder.h"
#include "core/Log.h"

namespace nimbus {

namespace {

constexpr int32_t kFirstCode = 32;
constexpr int32_t kLastCode = 126;
// Pixels between boxes, so that filtering and the smaller mip levels do not mix glyphs.
constexpr int32_t kGap = 2;
// The glow's blur radius (its standard deviation) per pixel of glyph size, and how much
// its faint halo is brightened.
constexpr float kGlowRadiusPerPixel = 1.0f / 20.0f;
constexpr float kGlowStrength = 2.5f;

// The narrowest square-ish atlas: widths grow until the shelves fit in a square.
int32_t packSquare(std::vector<AtlasBox>& boxes, int32_t& height) {
    for (int32_t width = 64;; width *= 2) {
        height = packAtlas(boxes, width, kGap);
        if (height != 0 && height <= width) return width;
    }
}

}  // namespace

bool buildFont(const std::string& fontFile, int glyphSize, BuiltFont& font) {
    GlyphRasteriser rasteriser;
    if (!rasteriser.open(fontFile, glyphSize)) return false;
    const float radius = static_cast<float>(glyphSize) * kGlowRadiusPerPixel;
    // The blur reaches three radii; the margin keeps all of it inside the glyph's box.
    const int32_t margin = static_cast<int32_t>(std::ceil(radius * 3.0f));

    std::vector<GlyphBitmap> glyphs;
    std::vector<AtlasBox> boxes;
    for (int32_t code = kFirstCode; code <= kLastCode; ++code) {
        GlyphBitmap glyph;
        if (!rasteriser.render(code, glyph)) return false;
        AtlasBox box;
        if (glyph.width > 0 && glyph.rows > 0)
            box = {glyph.width + 2 * margin, glyph.rows + 2 * margin, 0, 0};
        boxes.push_back(box);
        glyphs.push_back(std::move(glyph));
    }
    int32_t height = 0;
    const int32_t width = packSquare(boxes, height);

    font.atlas = Image(width, height);
    font.description = GlyphDescription();
    font.description.glyphSize = glyphSize;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& glyph = glyphs[i];
        const AtlasBox& box = boxes[i];
        GlyphRecord record;
        record.code = glyph.code;
        record.advanceX64 = glyph.advanceX64;
        if (box.width > 0) {
            record.x = box.x;
            record.y = box.y;
            record.width = box.width;
            record.rows = box.height;
            record.left = glyph.left - margin;
            record.top = glyph.top + margin;
            for (int32_t row = 0; row < glyph.rows; ++row) {
                for (int32_t x = 0; x < glyph.width; ++x) {
                    const float a = glyph.coverage[static_cast<size_t>(row) * glyph.width + x] / 255.0f;
                    // White, premultiplied: the alpha-only atlas keeps the coverage.
                    font.atlas.at(box.x + margin + x, box.y + margin + row) = {a, a, a, a};
                }
            }
        }
        font.description.glyphs.push_back(record);
    }
    font.glow = makeGlow(font.atlas, radius, kGlowStrength);
    return true;
}

bool writeFont(const BuiltFont& font, const std::string& directory, const std::string& name) {
    const std::string base = directory + "/" + name;
    return TextureBuilder::write(base + ".texture", font.atlas, PixelFormat::Alpha) &&
           TextureBuilder::write(base + "_glow.texture", font.glow, PixelFormat::Alpha) &&
           writeGlyphDescription((base + ".xml").c_str(), font.description);
}

}  // namespace nimbus
