#pragma once

class TiXmlElement;

namespace nimbus {

class BitmapFont;

// Builds a font from its declaration in the GUI document: an element with "name",
// "texture" (the resource name of the atlas, which must already be registered as a
// "Texture") and "info" (the file of the glyph description). The atlas's glow twin is
// the texture of the same name plus "_glow"; without one the font's glow handle stays
// empty. Returns a new font owned by the caller, or null: a missing attribute, an atlas
// whose sides are not powers of two and a description that declares glyphs without a
// positive glyph size are reported; a missing atlas or an unreadable description are not
// (the document reports the failed font).
BitmapFont* loadFont(const TiXmlElement& element);

}  // namespace nimbus
