#pragma once

class TiXmlDocument;

namespace nimbus {

// How deep elements of an XML document may nest. The GUI's menus need a handful of
// levels, a glyph description three; the limit keeps a hostile or broken file from
// exhausting the stack, since TinyXML's parse and its destruction of the tree, the
// building of the windows and every walk of the tree recurse once per level.
constexpr int kMaxXmlDepth = 64;

// Reads an XML file into a TinyXML document as TinyXML's own LoadFile would (every line
// end made "\n", the encoding found from the text), but hands TinyXML only text it can
// take safely. The text must be whole, well-formed UTF-8: TinyXML steps over a character
// by the length its lead byte announces, so a file that ends inside a sequence would
// make it read past the end of its buffer. And its elements must not nest deeper than
// kMaxXmlDepth, checked by a scan that does not recurse. Every XML document the game
// reads (the GUI document, the glyph descriptions) comes through here.
//
// False when the file does not open or does not parse (nothing reported: the caller
// decides what that means); false with one message naming the file when it is not
// well-formed UTF-8 (with the offset of the first bad byte) or nests too deep.
bool loadXmlFile(const char* fileName, TiXmlDocument& document);

}  // namespace nimbus
