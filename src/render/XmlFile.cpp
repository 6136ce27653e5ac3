#include "render/XmlFile.h"

#include <tinyxml.h>

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

}  // namespace

bool loadXmlFile(const char* fileName, TiXmlDocument& document) {
    FileInBuffer file;
    if (!file.open(fileName)) return false;
    std::string text(static_cast<size_t>(file.bytesLeft()), '\0');
    if (file.read(&text[0], static_cast<int32_t>(text.size())) != static_cast<int32_t>(text.size())) return false;
    const size_t whole = wellFormedUtf8Prefix(text);
    if (whole != text.size()) {
        LOG_ERROR(fileName << " is not well-formed UTF-8: bad or cut-off sequence at byte " << whole);
        return false;
    }
    document.SetValue(fileName);
    document.Parse(withUnixLineEnds(text).c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error();
}

}  // namespace nimbus
