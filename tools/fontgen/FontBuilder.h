#pragma once

#include <map>
#include <string>
#include <vector>

#include "Image.h"
#include "render/font/GlyphDescription.h"

namespace nimbus {

// A font ready to be written: the sharp atlas, its blurred glow twin (same size, same
// places) and the glyph description that finds each character in both.
struct BuiltFont {
    Image atlas;
    Image glow;
    GlyphDescription description;
};

// The characters beyond printable ASCII that the game's texts use, each with the first
// text that needs it, for the line that reports a font without it.
using CharacterUses = std::map<int32_t, std::string>;

// Adds every printable character beyond ASCII of the compiled message catalogues' texts,
// originals and translations. False, with the file named, when one cannot be read.
bool gatherCharacters(const std::vector<std::string>& catalogueFiles, CharacterUses& uses);

// Turns a font file into a game font: the printable ASCII characters and those of
// `extra` drawn at `glyphSize` pixels to the em, packed into a power-of-two atlas. Each
// glyph's box in the description reaches past its drawn pixels by the glow's spread, so
// the glow layer, drawn with the same quads as the sharp one, is never cut off at a
// glyph's edge; the advance stays the font's own. False, with the file named, when the
// font cannot be read or lacks a character; one line names each character of `extra` it
// lacks, with the text that needs it.
bool buildFont(const std::string& fontFile, int glyphSize, const CharacterUses& extra, BuiltFont& font);

// Writes name + ".texture" and name + "_glow.texture" (alpha only, with mip chains) and
// name + ".xml" into the directory. False, with the file named, on any failure.
bool writeFont(const BuiltFont& font, const std::string& directory, const std::string& name);

}  // namespace nimbus
