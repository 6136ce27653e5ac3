#pragma once

#include <cstdint>
#include <vector>

namespace nimbus {

// One glyph as the description stores it, in atlas pixels.
struct GlyphRecord {
    int32_t code = 0;        // "UTF-32"
    int32_t x = 0;           // left edge in the atlas
    int32_t y = 0;           // top edge in the atlas
    int32_t width = 0;       // bitmap width
    int32_t rows = 0;        // bitmap height
    int32_t left = 0;        // horizontal bearing
    int32_t top = 0;         // baseline to the bitmap's top
    int32_t advanceX64 = 0;  // "advance_x_64": advance in 1/64 pixel
};

// The glyph description of a font atlas: an XML document whose root carries
// "glyph_size" (pixels per unit of text size) and holds "glyphs" elements of one element
// per glyph. This is the one reader and writer of the format; the font loader reads it,
// the font tool writes it.
struct GlyphDescription {
    int32_t glyphSize = 0;
    // In document order; a later record of the same code replaces an earlier one when
    // the font is built.
    std::vector<GlyphRecord> glyphs;
};

// Reads a description file. False when the file does not load as XML (nothing is
// reported, the caller decides), or is not whole UTF-8 or nests absurdly deep (both
// reported; see loadXmlFile). A document without a root element reads as no glyphs.
// An attribute missing from a glyph element keeps the value of the glyph before it, so a
// run of glyphs may leave out what they share.
bool readGlyphDescription(const char* fileName, GlyphDescription& description);

// Writes a description file with every attribute of every glyph; false, reported with
// the file name, when it cannot be written.
bool writeGlyphDescription(const char* fileName, const GlyphDescription& description);

}  // namespace nimbus
