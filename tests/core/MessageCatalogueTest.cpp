#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/MessageCatalogue.h"
#include "core/VectorInBuffer.h"
#include "support/CatalogueBytes.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

using Bytes = std::vector<unsigned char>;

// Where the header keeps the offsets of the two tables, and where the first table begins.
constexpr size_t kOriginals = 12, kTranslations = 16, kHeader = 28;

const Translations kGerman = {
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"Play", "Spielen"},
    {"Total: %i", "Gesamt: %i"},
    {"Quit", ""},  // left untranslated
    {std::string("file\0files", 10), std::string("Datei\0Dateien", 13)},
    {"Back", "Назад"},
};

// An empty or unknown text finds nothing, a plural message answers with its singular forms,
// and the process-wide lookup falls back to the text itself.
TEST(MessageCatalogue, FindsEachTranslationByItsOriginalInEitherByteOrder) {
    for (const bool bigEndian : {false, true}) {
        VectorInBuffer in(catalogueBytes(kGerman, bigEndian));
        MessageCatalogue catalogue;
        LogCapture log;
        ASSERT_TRUE(catalogue.read(in)) << log.all();
        EXPECT_STREQ(catalogue.find("Play"), "Spielen");
        EXPECT_STREQ(catalogue.find("Back"), "Назад");
        EXPECT_STREQ(catalogue.find("file"), "Datei");
        EXPECT_EQ(catalogue.find("Quit"), nullptr);
        EXPECT_EQ(catalogue.find("Pla"), nullptr);
        EXPECT_EQ(catalogue.messages().size(), 4u);
        MessageCatalogue* previous = setMessageCatalogue(&catalogue);
        EXPECT_STREQ(translated("Total: %i"), "Gesamt: %i");
        EXPECT_STREQ(translated("Quit"), "Quit");
        setMessageCatalogue(previous);
    }
    EXPECT_STREQ(translated("Play"), "Play") << "English without a catalogue";
}

// Every kind of damage is refused with one line naming the file, and nothing is kept.
TEST(MessageCatalogue, RefusesDamagedFilesWithOneLineAndKeepsNothing) {
    const Bytes good = catalogueBytes(kGerman);
    auto changed = [&](size_t at, uint32_t word) {
        Bytes bytes = good;
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(word >> 8 * i);
        return bytes;
    };
    Bytes unterminated = good, cutShort = good;
    unterminated.back() = 'x';
    cutShort.pop_back();
    const std::tuple<const char*, Bytes> cases[] = {
        {"shorter than a catalogue's header", Bytes(good.begin(), good.begin() + 20)},
        {"magic number", changed(0, 0x12345678)},
        {"revision", changed(4, 2u << 16)},
        {"tables reach past its end", changed(8, 0x10000000)},
        {"tables reach past its end", changed(kTranslations, static_cast<uint32_t>(good.size()))},
        {"lies outside it", changed(kHeader + 4, static_cast<uint32_t>(good.size()))},
        {"lacks its zero byte", unterminated},
        {"lacks its zero byte", cutShort},
        {"not UTF-8", catalogueBytes({{"Play", "Jou\xE9"}})},
        {"not in UTF-8", catalogueBytes({{"", "Content-Type: text/plain; charset=ISO-8859-1\n"}})},
        {"\"Total: %i\" has other placeholders", catalogueBytes({{"Total: %i", "Gesamt: %s"}})},
        {"\"{pause} pauses\" has other placeholders", catalogueBytes({{"{pause} pauses", "{pauze}: Pause"}})},
        {"more than", Bytes(MessageCatalogue::kMaxBytes + 1)},
    };
    for (const auto& [why, bytes] : cases) {
        MessageCatalogue catalogue;
        VectorInBuffer first(good);
        ASSERT_TRUE(catalogue.read(first));
        VectorInBuffer in(bytes);
        LogCapture log;
        EXPECT_FALSE(catalogue.read(in)) << why;
        EXPECT_TRUE(log.lines().size() == 1 && log.saw({in.name(), "no message catalogue", why}))
            << log.all();
        EXPECT_TRUE(catalogue.messages().empty() && !catalogue.find("Play")) << why;
    }
}

}  // namespace
}  // namespace nimbus
