#include "core/MessageCatalogue.h"

#include <strings.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/Utf8.h"

namespace nimbus {

namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr uint32_t kSwappedMagic = 0xde120495;
constexpr size_t kHeaderBytes = 28;
// The revisions gettext writes: 0, and 1, which only adds tables of system-dependent
// texts that the game does not use.
constexpr uint32_t kNewestMajorRevision = 1;

MessageCatalogue* gCatalogue = nullptr;

// The file's 32-bit words, in the byte order its magic number shows.
class Words {
public:
    Words(const std::vector<char>& bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

    uint32_t at(uint64_t offset) const {
        uint32_t word = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = static_cast<uint8_t>(bytes_[offset + (swapped_ ? i : 3 - i)]);
            word = word << 8 | byte;
        }
        return word;
    }

private:
    const std::vector<char>& bytes_;
    bool swapped_;
};

// The character set a catalogue's header (the translation of the empty text) declares,
// or empty when it declares none.
std::string declaredCharset(std::string_view header) {
    const std::string_view key = "charset=";
    const size_t at = header.find(key);
    if (at == std::string_view::npos) return std::string();
    const size_t start = at + key.size();
    const size_t end = header.find_first_of(" ;\n", start);
    return std::string(header.substr(start, end == std::string_view::npos ? end : end - start));
}

// Whether the character set names UTF-8 or ASCII, which UTF-8 holds.
bool isUtf8(const std::string& charset) {
    for (const char* name : {"UTF-8", "ASCII", "US-ASCII"}) {
        if (strcasecmp(charset.c_str(), name) == 0) return true;
    }
    return false;
}

}  // namespace

std::string placeholders(std::string_view text) {
    std::string found;
    for (size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at)) {
        const size_t end = text.find_first_of("%diouxXeEfFgGaAcspn", at + 1);
        found += text.substr(at, end == std::string_view::npos ? end : end + 1 - at);
        found += ' ';
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    // The keys a text names in braces, which a translation may put in any order.
    std::vector<std::string_view> keys;
    for (size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
        const size_t end = text.find('}', at);
        if (end == std::string_view::npos) break;
        keys.push_back(text.substr(at, end + 1 - at));
    }
    std::sort(keys.begin(), keys.end());
    for (std::string_view key : keys) found.append(key).append(" ");
    return found;
}

bool MessageCatalogue::read(InBuffer& in) {
    bytes_.clear();
    messages_.clear();
    const int32_t size = in.bytesLeft();
    if (size > kMaxBytes) {
        LOG_ERROR(in.name() << " is no message catalogue: " << size << " bytes is more than " << kMaxBytes);
        return false;
    }
    bytes_.resize(static_cast<size_t>(size));
    if (in.read(bytes_.data(), size) != size || !index(in.name())) {
        bytes_.clear();
        messages_.clear();
        return false;
    }
    return true;
}

bool MessageCatalogue::index(std::string_view name) {
    const auto refuse = [&](const char* why) {
        LOG_ERROR(std::string(name) << " is no message catalogue: " << why);
        return false;
    };
    if (bytes_.size() < kHeaderBytes) return refuse("it is shorter than a catalogue's header");
    const Words little(bytes_, false), swapped(bytes_, true);
    if (little.at(0) != kMagic && little.at(0) != kSwappedMagic) return refuse("its magic number is wrong");
    const Words& words = little.at(0) == kMagic ? little : swapped;
    if (words.at(4) >> 16 > kNewestMajorRevision) return refuse("its revision is newer than the game reads");
    const uint64_t count = words.at(8), originals = words.at(12), translations = words.at(16);
    const uint64_t size = bytes_.size();
    if (originals + count * 8 > size || translations + count * 8 > size)
        return refuse("its tables reach past its end");
    // The text a table entry points at: it must end inside the file with a zero byte.
    const auto text = [&](uint64_t entry, std::string_view& out) {
        const uint64_t length = words.at(entry), offset = words.at(entry + 4);
        if (offset + length >= size || bytes_[offset + length] != '\0') return false;
        out = std::string_view(bytes_.data() + offset, length);
        return wellFormedUtf8Prefix(out) == length;
    };
    for (uint64_t i = 0; i < count; ++i) {
        Message message;
        if (!text(originals + i * 8, message.original) || !text(translations + i * 8, message.translation))
            return refuse("a text lies outside it, lacks its zero byte or is not UTF-8");
        // Only the singular form: the plural forms follow it after a zero byte.
        message.original = message.original.substr(0, message.original.find('\0'));
        message.translation = message.translation.substr(0, message.translation.find('\0'));
        if (message.original.empty()) {
            const std::string charset = declaredCharset(message.translation);
            if (!charset.empty() && !isUtf8(charset)) return refuse("its texts are not in UTF-8");
        } else if (!message.translation.empty()) {
            if (placeholders(message.original) != placeholders(message.translation)) {
                LOG_ERROR(std::string(name) << " is no message catalogue: the translation of \""
                                            << std::string(message.original) << "\" has other placeholders");
                return false;
            }
            messages_.push_back(message);
        }
    }
    std::sort(messages_.begin(), messages_.end(),
              [](const Message& a, const Message& b) { return a.original < b.original; });
    return true;
}

const char* MessageCatalogue::find(std::string_view original) const {
    const auto found = std::lower_bound(
        messages_.begin(), messages_.end(), original,
        [](const Message& message, std::string_view text) { return message.original < text; });
    if (found == messages_.end() || found->original != original) return nullptr;
    return found->translation.data();
}

MessageCatalogue* messageCatalogue() { return gCatalogue; }

MessageCatalogue* setMessageCatalogue(MessageCatalogue* catalogue) {
    MessageCatalogue* previous = gCatalogue;
    gCatalogue = catalogue;
    return previous;
}

const char* translated(const char* text) {
    const char* translation = gCatalogue ? gCatalogue->find(text) : nullptr;
    return translation ? translation : text;
}

}  // namespace nimbus
