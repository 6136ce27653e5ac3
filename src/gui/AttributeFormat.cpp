#include "gui/AttributeFormat.h"

#include <tinyxml.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace nimbus {

void writeFloatAttribute(TiXmlElement& element, const char* name, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    element.SetAttribute(name, text);
}

bool parseColor(const char* text, Color& color) {
    if (!text) return false;
    char* end = nullptr;
    // Only the low 32 bits count, however many digits there are.
    const auto bits = static_cast<uint32_t>(std::strtoull(text, &end, 16));
    if (end == text) return false;
    for (int channel = 0; channel < 4; ++channel) {
        color.e[channel] = static_cast<float>((bits >> (24 - 8 * channel)) & 0xFFu) / 255.0f;
    }
    return true;
}

void readColorAttribute(const TiXmlElement& element, const char* name, Color& color) {
    parseColor(element.Attribute(name), color);
}

void writeColorAttribute(TiXmlElement& element, const char* name, const Color& color) {
    uint32_t bits = 0;
    for (int channel = 0; channel < 4; ++channel) {
        const auto byte =
            static_cast<uint32_t>(static_cast<int64_t>(std::floor(color.e[channel] * 255.0f + 0.5f)));
        bits = bits << 8 | (byte & 0xFFu);
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", bits);
    element.SetAttribute(name, text);
}

}  // namespace nimbus
