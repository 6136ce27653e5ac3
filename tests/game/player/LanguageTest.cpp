#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "core/MessageCatalogue.h"
#include "core/posix/FileInBuffer.h"
#include "core/posix/PosixInArchive.h"
#include "game/player/Language.h"
#include "support/LogCapture.h"

namespace nimbus {
namespace {

// The build's template as a catalogue: every message the game has, as its own translation.
const char* const kTemplate = NIMBUS_DATA_DIR "/../po/en.mo";

// LANGUAGE wins; else the first of LC_ALL, LC_MESSAGES and LANG set, English if unspoken.
// A country or character set without a catalogue falls back to the language.
TEST(Language, TheEnvironmentPicksTheFirstLanguageTheGameSpeaks) {
    using Environment = std::map<std::string, std::string>;
    const std::pair<Environment, const char*> cases[] = {
        {{}, "en"},
        {{{"LANGUAGE", "de"}}, "de"},
        {{{"LANGUAGE", "xx:fr_CA:de"}, {"LANG", "ru_RU.UTF-8"}}, "fr"},
        {{{"LANGUAGE", "xx"}, {"LANG", "it_IT.UTF-8"}}, "it"},
        {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
        {{{"LANG", "pl_PL.ISO-8859-2@euro"}}, "pl"},
        {{{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, "en"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "es_MX.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
        {{{"LANG", "sr_RS@latin"}}, "en"},
    };
    for (const auto& [variables, expected] : cases) {
        const auto environment = [&, &variables = variables](const char* name) -> const char* {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
        EXPECT_STREQ(environmentLanguage(environment).code, expected) << testing::PrintToString(variables);
    }
    // Options steps through every language and back to English; an unknown one to English.
    std::string walked = "en";
    for (const Language* at = &nextLanguage("en"); at != &kLanguages[0]; at = &nextLanguage(at->code))
        walked += std::string(" ") + at->code;
    EXPECT_EQ(walked, "en de fr es it pt_BR pl ru");
    EXPECT_STREQ(nextLanguage("xx").code, "en");
}

// One catalogue for each language of the table and no other, each read without a word
// (UTF-8, every translation with its original's placeholders).
TEST(ShippedCatalogues, TranslateEveryMessageInEveryLanguage) {
    FileInBuffer in;
    MessageCatalogue messages;
    ASSERT_TRUE(in.open(kTemplate) && messages.read(in)) << kTemplate;
    ASSERT_GT(messages.messages().size(), 50u);
    std::set<std::string> shipped, expected;
    for (const auto& entry : std::filesystem::directory_iterator(NIMBUS_DATA_DIR "/Languages"))
        shipped.insert(entry.path().filename().string());
    for (const Language& language : kLanguages) {
        if (&language == &kLanguages[0]) continue;
        expected.insert(std::string(language.code) + ".mo");
        PosixInArchive data{Path(NIMBUS_DATA_DIR)};
        LogCapture log;
        const std::unique_ptr<MessageCatalogue> catalogue = readCatalogue(data, language);
        ASSERT_TRUE(catalogue && log.lines().empty()) << language.code << ": " << log.all();
        for (const MessageCatalogue::Message& message : messages.messages()) {
            EXPECT_TRUE(catalogue->find(message.original))
                << "assets/po/" << language.code << ".po has no translation of \"" << message.original
                << "\" (the build's target nimbus_po_update adds new messages to every catalogue)";
        }
    }
    EXPECT_EQ(shipped, expected) << "assets/po/LINGUAS and the languages of the game differ";
}

}  // namespace
}  // namespace nimbus
