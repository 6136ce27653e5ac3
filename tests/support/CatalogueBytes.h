#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nimbus {

class MessageCatalogue;

// Originals and their translations, as a compiled catalogue holds them.
using Translations = std::vector<std::pair<std::string, std::string>>;

// A gettext catalogue in either byte order: 28 header bytes (originals' table at byte 12's
// offset, translations' at 16's), the tables of length and offset, then zero-ended texts.
std::vector<unsigned char> catalogueBytes(const Translations& messages, bool bigEndian = false);

// A catalogue of the translations, made process-wide while the holder lives.
class TestCatalogue {
public:
    explicit TestCatalogue(const Translations& messages);
    ~TestCatalogue();
    TestCatalogue(const TestCatalogue&) = delete;
    TestCatalogue& operator=(const TestCatalogue&) = delete;

private:
    std::unique_ptr<MessageCatalogue> catalogue_;
    MessageCatalogue* previous_;
};

}  // namespace nimbus
