#include "render/XmlFile.h"

#include <tinyxml.h>

#include <cstring>
#include <string>

#include "core/Log.h"
#include "core/Utf8.h"
#include "core/posix/FileInBuffer.h"

namespace nimbus {

namespace {

// "\r\n" and a lone "\r" become "\n", as TinyXML's LoadFile does before parsing.
std::string withUnixLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

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

bool loadXmlFile(const char* fileName, TiXmlDocument& document) {
    FileInBuffer file;
    if (!file.open(fileName)) return false;
    std::string text(static_cast<size_t>(file.bytesLeft()), '\0');
    if (file.read(&text[0], static_cast<int32_t>(text.size())) != static_cast<int32_t>(text.size()))
        return false;
    const size_t whole = wellFormedUtf8Prefix(text);
    if (whole != text.size()) {
        LOG_ERROR(fileName << " is not well-formed UTF-8: bad or cut-off sequence at byte " << whole);
        return false;
    }
    if (nestsTooDeep(text, kMaxXmlDepth)) {
        LOG_ERROR(fileName << ": elements nested deeper than " << kMaxXmlDepth << " levels");
        return false;
    }
    document.SetValue(fileName);
    document.Parse(withUnixLineEnds(text).c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error();
}

}  // namespace nimbus
