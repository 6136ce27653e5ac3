#include "GlyphRasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "core/Log.h"

namespace nimbus {

GlyphRasteriser::~GlyphRasteriser() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

bool GlyphRasteriser::open(const std::string& path, int pixelSize) {
    path_ = path;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        LOG_ERROR(path << ": FreeType could not start");
        return false;
    }
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        LOG_ERROR(path << ": not a font file FreeType can read");
        return false;
    }
    face_ = face;
    if (pixelSize <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        LOG_ERROR(path << ": cannot be drawn at " << pixelSize << " pixels");
        return false;
    }
    return true;
}

bool GlyphRasteriser::has(int32_t code) const {
    return FT_Get_Char_Index(static_cast<FT_Face>(face_), static_cast<FT_ULong>(code)) != 0;
}

bool GlyphRasteriser::render(int32_t code, GlyphBitmap& glyph) {
    auto face = static_cast<FT_Face>(face_);
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0) {
        LOG_ERROR(path_ << ": has no glyph for character " << code);
        return false;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0 ||
        face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        LOG_ERROR(path_ << ": character " << code << " cannot be drawn as a grey bitmap");
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.code = code;
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.rows = static_cast<int32_t>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advanceX64 = static_cast<int32_t>(slot->advance.x);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.rows, 0);
    for (int32_t row = 0; row < glyph.rows; ++row) {
        const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        for (int32_t x = 0; x < glyph.width; ++x)
            glyph.coverage[static_cast<size_t>(row) * glyph.width + x] = source[x];
    }
    return true;
}

}  // namespace nimbus
