#include "FontBuilder.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <vector>

#include "AtlasPacker.h"
#include "GlowFilter.h"
#include "GlyphRasteriser.h"
#include "TextureBuilder.h"
#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "core/Utf8.h"
#include "core/posix/FileInBuffer.h"

namespace nimbus {

namespace {

constexpr int32_t kFirstCode = 32;
constexpr int32_t kLastCode = 126;
// The control characters beyond ASCII, which no text draws.
constexpr int32_t kFirstControl = 0x7F;
constexpr int32_t kLastControl = 0x9F;
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

// The character as UTF-8, for messages.
std::string utf8(int32_t code) {
    std::string out;
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    const int trailing = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr uint8_t kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[trailing] | (code >> (6 * trailing)));
    for (int i = trailing - 1; i >= 0; --i) out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
    return out;
}

// The code in four or more upper-case hexadecimal digits, as Unicode names characters.
std::string hex(int32_t code) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(code));
    return digits;
}

}  // namespace

bool gatherCharacters(const std::vector<std::string>& catalogueFiles, CharacterUses& uses) {
    for (const std::string& file : catalogueFiles) {
        FileInBuffer in;
        MessageCatalogue catalogue;
        if (!in.open(file)) {
            LOG_ERROR(file << ": cannot be read - " << systemErrorString(errno));
            return false;
        }
        if (!catalogue.read(in)) return false;
        const std::string name = file.substr(file.rfind('/') + 1);
        for (const MessageCatalogue::Message& message : catalogue.messages()) {
            for (const std::string_view text : {message.original, message.translation}) {
                for (size_t at = 0; at < text.size();) {
                    const int32_t code = nextCodePoint(text, at);
                    if (code > kLastCode && (code < kFirstControl || code > kLastControl))
                        uses.emplace(code, "\"" + std::string(text) + "\" (message \"" +
                                               std::string(message.original) + "\" of " + name + ")");
                }
            }
        }
    }
    return true;
}

bool buildFont(const std::string& fontFile, int glyphSize, const CharacterUses& extra, BuiltFont& font) {
    GlyphRasteriser rasteriser;
    if (!rasteriser.open(fontFile, glyphSize)) return false;
    bool all = true;
    for (const auto& [code, use] : extra) {
        if (rasteriser.has(code)) continue;
        LOG_ERROR(fontFile << " has no glyph for '" << utf8(code) << "' (U+" << hex(code) << "), which "
                           << use << " needs");
        all = false;
    }
    if (!all) return false;
    std::vector<int32_t> codes;
    for (int32_t code = kFirstCode; code <= kLastCode; ++code) codes.push_back(code);
    for (const auto& [code, use] : extra) codes.push_back(code);
    const float radius = static_cast<float>(glyphSize) * kGlowRadiusPerPixel;
    // The blur reaches three radii; the margin keeps all of it inside the glyph's box.
    const int32_t margin = static_cast<int32_t>(std::ceil(radius * 3.0f));

    std::vector<GlyphBitmap> glyphs;
    std::vector<AtlasBox> boxes;
    for (const int32_t code : codes) {
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
