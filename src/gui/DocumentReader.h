#pragma once

class TiXmlDocument;

namespace nimbus {

// How deep elements of a GUI document may nest. The menus need a handful of levels; the
// limit keeps a hostile or broken file from exhausting the stack, since parsing, building
// the windows and every walk of the tree recurse once per level.
constexpr int kMaxDocumentDepth = 64;

// Parses the file into the document. False when it cannot be read or is not well-formed
// XML (nothing reported, the caller decides), and false with a message naming the file
// when its elements nest deeper than kMaxDocumentDepth.
bool readDocument(const char* fileName, TiXmlDocument& document);

}  // namespace nimbus
