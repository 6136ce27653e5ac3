#include "support/CatalogueBytes.h"

#include <cstdint>

#include "core/MessageCatalogue.h"
#include "core/VectorInBuffer.h"

namespace nimbus {

namespace {

constexpr size_t kHeader = 28;

void putWord(std::vector<unsigned char>& bytes, size_t at, uint32_t word, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(word >> (bigEndian ? 24 - 8 * i : 8 * i));
}

}  // namespace

std::vector<unsigned char> catalogueBytes(const Translations& messages, bool bigEndian) {
    const auto count = static_cast<uint32_t>(messages.size());
    const uint32_t originals = kHeader, translations = kHeader + 8 * count;
    std::vector<unsigned char> bytes(kHeader + 16 * count);
    putWord(bytes, 0, 0x950412de, bigEndian);
    putWord(bytes, 8, count, bigEndian);
    putWord(bytes, 12, originals, bigEndian);
    putWord(bytes, 16, translations, bigEndian);
    for (uint32_t i = 0; i < count; ++i) {
        for (const auto& [table, text] : {std::make_pair(originals, &messages[i].first),
                                          std::make_pair(translations, &messages[i].second)}) {
            putWord(bytes, table + 8 * i, static_cast<uint32_t>(text->size()), bigEndian);
            putWord(bytes, table + 8 * i + 4, static_cast<uint32_t>(bytes.size()), bigEndian);
            bytes.insert(bytes.end(), text->begin(), text->end());
            bytes.push_back(0);
        }
    }
    return bytes;
}

TestCatalogue::TestCatalogue(const Translations& messages)
    : catalogue_(std::make_unique<MessageCatalogue>()) {
    VectorInBuffer in(catalogueBytes(messages));
    catalogue_->read(in);
    previous_ = setMessageCatalogue(catalogue_.get());
}

TestCatalogue::~TestCatalogue() { setMessageCatalogue(previous_); }

}  // namespace nimbus
