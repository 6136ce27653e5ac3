#include "gui/DocumentReader.h"

#include <tinyxml.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "core/Log.h"

namespace nimbus {

namespace {

// Where the text from `at` on first holds `end`, past its last character; npos if never.
size_t skipPast(const std::string& text, size_t at, const char* end) {
    const size_t found = text.find(end, at);
    return found == std::string::npos ? found : found + std::strlen(end) - 1;
}

// Whether elements nest deeper than the limit. A light scan of tags that needs no parse
// and no recursion: comments, declarations and character data are skipped, quoted
// attribute values may hold '>', and an empty-element tag opens nothing.
bool nestsTooDeep(const std::string& text, int limit) {
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '<') continue;
        if (text.compare(i, 4, "<!--") == 0) {
            i = skipPast(text, i, "-->");
        } else if (text.compare(i, 9, "<![CDATA[") == 0) {
            i = skipPast(text, i, "]]>");
        } else if (i + 1 < text.size() && (text[i + 1] == '?' || text[i + 1] == '!' || text[i + 1] == '/')) {
            if (text[i + 1] == '/') --depth;
            i = skipPast(text, i, ">");
        } else {
            char quote = 0;
            size_t j = i + 1;
            for (; j < text.size(); ++j) {
                const char c = text[j];
                if (quote) {
                    if (c == quote) quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '>') {
                    break;
                }
            }
            if (j >= text.size()) return false;
            if (text[j - 1] != '/' && ++depth > limit) return true;
            i = j;
        }
        if (i == std::string::npos) return false;
    }
    return false;
}

}  // namespace

bool readDocument(const char* fileName, TiXmlDocument& document) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) return false;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (nestsTooDeep(text, kMaxDocumentDepth)) {
        LOG_ERROR(fileName << ": elements nested deeper than " << kMaxDocumentDepth << " levels");
        return false;
    }
    return document.LoadFile(fileName);
}

}  // namespace nimbus
