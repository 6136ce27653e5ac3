// The font tool: draws a font file's printable ASCII characters, and every other
// character the message catalogues given use, with FreeType into the game's font files,
// an alpha atlas, its glow twin and the glyph description. Exits 1, with the file named,
// when anything fails; a character the font lacks is named with the text that needs it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FontBuilder.h"

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(
            stderr,
            "usage: %s <font file> <glyph size in pixels> <output directory> <font name> [catalogue.mo...]\n",
            argv[0]);
        return 1;
    }
    const int glyphSize = std::atoi(argv[2]);
    if (glyphSize < 8 || glyphSize > 512) {
        std::fprintf(stderr, "%s: a glyph size of %s pixels is outside 8 to 512\n", argv[1], argv[2]);
        return 1;
    }
    nimbus::CharacterUses extra;
    if (!nimbus::gatherCharacters(std::vector<std::string>(argv + 5, argv + argc), extra)) return 1;
    nimbus::BuiltFont font;
    if (!nimbus::buildFont(argv[1], glyphSize, extra, font)) return 1;
    return nimbus::writeFont(font, argv[3], argv[4]) ? 0 : 1;
}
