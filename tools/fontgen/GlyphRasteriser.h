#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nimbus {

// A glyph drawn at the rasteriser's pixel size: coverage rows from the top, the bearings
// and the advance as FreeType gives them.
struct GlyphBitmap {
    int32_t code = 0;
    int32_t width = 0;
    int32_t rows = 0;
    int32_t left = 0;        // pen to the bitmap's left edge
    int32_t top = 0;         // baseline to the bitmap's top row
    int32_t advanceX64 = 0;  // 1/64 pixel
    std::vector<uint8_t> coverage;
};

// Draws the characters of one font file with FreeType at one pixel size (the size of the
// em square). Failures are reported with the file's name.
class GlyphRasteriser {
public:
    GlyphRasteriser() = default;
    ~GlyphRasteriser();
    GlyphRasteriser(const GlyphRasteriser&) = delete;
    GlyphRasteriser& operator=(const GlyphRasteriser&) = delete;

    // Opens the font file; false when FreeType cannot read it or the size is refused.
    bool open(const std::string& path, int pixelSize);
    // Whether the font has a glyph for the character.
    bool has(int32_t code) const;
    // Draws one character; false when the font has no glyph for it.
    bool render(int32_t code, GlyphBitmap& glyph);

private:
    std::string path_;
    void* library_ = nullptr;
    void* face_ = nullptr;
};

}  // namespace nimbus
