#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nimbus {

class InBuffer;

// The translations of one language: a compiled GNU gettext catalogue (".mo", in either
// byte order) read whole into memory and looked up by the original English text. Only
// singular messages in UTF-8 are used; a message's plural forms and an empty translation
// are passed over, so such a text shows in English.
//
// Reading refuses, with one error line naming the source and an empty catalogue, a file
// larger than kMaxBytes, one that is no catalogue, whose tables or texts lie outside it
// or lack their closing zero byte, or whose texts are not well-formed UTF-8 (or that
// declares another character set), or where a translation's placeholders differ from
// its original's, which would make it unsafe to format. Nothing of a refused file is kept.
class MessageCatalogue {
public:
    static constexpr int32_t kMaxBytes = 1 << 22;

    struct Message {
        std::string_view original;
        std::string_view translation;
    };

    // Replaces what the catalogue holds with the file in the buffer; false when refused.
    bool read(InBuffer& in);
    // The translation of the text, zero-terminated, or null when there is none.
    const char* find(std::string_view original) const;
    // Every translated message, in the order of their originals.
    const std::vector<Message>& messages() const { return messages_; }

private:
    bool index(std::string_view name);

    std::vector<char> bytes_;
    std::vector<Message> messages_;
};

// The placeholders of a text, each followed by a space: the printf ones ("%i", "%s",
// "%%" ...) in order, then the keys named in braces ("{pause}") in any order. A
// translation must have its original's.
std::string placeholders(std::string_view text);

// The process-wide catalogue of the player's language, null for English; the setter
// returns the previous one for its owner.
MessageCatalogue* messageCatalogue();
MessageCatalogue* setMessageCatalogue(MessageCatalogue* catalogue);

// The text in the player's language: its translation in the process-wide catalogue, or
// the text itself.
const char* translated(const char* text);

// Marks a text the catalogues translate where it is written (a table, a constant), for
// the build's gathering of messages; the text is looked up later with translated().
constexpr const char* translatable(const char* text) { return text; }

}  // namespace nimbus
