#pragma once

class TiXmlDocument;

namespace nimbus {

// Reads an XML file into a TinyXML document as TinyXML's own LoadFile would (every line
// end made "\n", the encoding found from the text), with one difference: TinyXML is
// handed only text that is whole, well-formed UTF-8. Its parser steps over a character
// by the length the lead byte announces, so a file that ends inside a sequence would
// make it read past the end of its buffer. Every XML document the game reads comes
// through here.
//
// False when the file does not open or does not parse (nothing reported: the caller
// decides what that means), and when it is not well-formed UTF-8 (reported with the
// file's name and the offset of the first bad byte).
bool loadXmlFile(const char* fileName, TiXmlDocument& document);

}  // namespace nimbus
