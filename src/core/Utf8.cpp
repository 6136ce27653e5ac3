#include "core/Utf8.h"

#include <cstdint>

namespace nimbus {

namespace {

// The sequence length a lead byte announces and the range its second byte must lie in;
// the narrower second ranges shut out overlong forms, surrogates and code points above
// U+10FFFF. Continuation bytes after the second are always 0x80 to 0xBF.
struct Lead {
    uint8_t first, last;
    int length;
    uint8_t secondLow, secondHigh;
};

const Lead kLeads[] = {
    {0x00, 0x7F, 1, 0, 0},       {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

const Lead* leadOf(uint8_t byte) {
    for (const Lead& lead : kLeads) {
        if (byte >= lead.first && byte <= lead.last) return &lead;
    }
    return nullptr;
}

bool isContinuation(uint8_t byte) { return byte >= 0x80 && byte <= 0xBF; }

// The length of the well-formed sequence at `at`, or 0 when none starts there.
size_t sequenceAt(std::string_view text, size_t at) {
    const Lead* lead = leadOf(static_cast<uint8_t>(text[at]));
    if (!lead || text.size() - at < static_cast<size_t>(lead->length)) return 0;
    if (lead->length > 1) {
        const auto second = static_cast<uint8_t>(text[at + 1]);
        if (second < lead->secondLow || second > lead->secondHigh) return 0;
        for (int i = 2; i < lead->length; ++i) {
            if (!isContinuation(static_cast<uint8_t>(text[at + i]))) return 0;
        }
    }
    return static_cast<size_t>(lead->length);
}

}  // namespace

size_t wellFormedUtf8Prefix(std::string_view text) {
    size_t at = 0;
    while (at < text.size()) {
        const size_t length = sequenceAt(text, at);
        if (length == 0) return at;
        at += length;
    }
    return at;
}

int32_t nextCodePoint(std::string_view text, size_t& at) {
    const size_t length = sequenceAt(text, at);
    if (length == 0) return static_cast<signed char>(text[at++]);
    // The lead byte keeps 7, 5, 4 or 3 bits of the code point, each continuation 6.
    static constexpr uint8_t kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    int32_t code = static_cast<uint8_t>(text[at]) & kLeadBits[length];
    for (size_t i = 1; i < length; ++i) code = code << 6 | (static_cast<uint8_t>(text[at + i]) & 0x3F);
    at += length;
    return code;
}

}  // namespace nimbus
