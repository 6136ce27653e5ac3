#include "game/player/Language.h"

#include <cerrno>
#include <iterator>
#include <sstream>

#include "core/InArchive.h"
#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/MessageCatalogue.h"
#include "core/Path.h"

namespace nimbus {

namespace {

constexpr const Language& kEnglish = kLanguages[0];

// The part of a code or locale before its country: "pt" of "pt_BR".
std::string_view languagePart(std::string_view code) { return code.substr(0, code.find('_')); }

}  // namespace

const Language* findLanguage(std::string_view code) {
    for (const Language& language : kLanguages) {
        if (code == language.code) return &language;
    }
    return nullptr;
}

const Language* languageOfLocale(std::string_view locale) {
    // Neither the character set nor the modifier tells the language apart.
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty()) return nullptr;
    if (const Language* exact = findLanguage(locale)) return exact;
    if (const Language* alone = findLanguage(languagePart(locale))) return alone;
    for (const Language& language : kLanguages) {
        if (languagePart(language.code) == languagePart(locale)) return &language;
    }
    return nullptr;
}

const Language& environmentLanguage(const std::function<const char*(const char*)>& environment) {
    if (const char* list = environment("LANGUAGE")) {
        std::istringstream names(list);
        for (std::string name; std::getline(names, name, ':');) {
            if (const Language* language = languageOfLocale(name)) return *language;
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* locale = environment(variable);
        if (!locale || !*locale) continue;
        const Language* language = languageOfLocale(locale);
        return language ? *language : kEnglish;
    }
    return kEnglish;
}

const Language& nextLanguage(std::string_view code) {
    const Language* language = findLanguage(code);
    if (!language || language + 1 == std::end(kLanguages)) return kEnglish;
    return language[1];
}

std::unique_ptr<MessageCatalogue> readCatalogue(InArchive& archive, const Language& language) {
    if (&language == &kEnglish) return nullptr;
    const std::string file = std::string("/") + kLanguageFolder + "/" + language.code + ".mo";
    std::unique_ptr<InBuffer> in(archive.open(Path(file)));
    if (!in) {
        LOG_ERROR("Failed to open the catalogue " << file << " - " << systemErrorString(errno));
        return nullptr;
    }
    auto catalogue = std::make_unique<MessageCatalogue>();
    if (!catalogue->read(*in)) return nullptr;
    return catalogue;
}

}  // namespace nimbus
