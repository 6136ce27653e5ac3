#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace nimbus {

class InArchive;
class MessageCatalogue;

// A language the game speaks: its gettext code, which names its catalogue
// Languages/<code>.mo in the data, and its name in its own words, as the Options screen
// shows it.
struct Language {
    const char* code;
    const char* name;
};

// English, in which every text is written, then every language the game ships a
// catalogue for, in the order the Options screen steps through them.
inline constexpr Language kLanguages[] = {
    {"en", "English"},  {"de", "Deutsch"},           {"fr", "Français"}, {"es", "Español"},
    {"it", "Italiano"}, {"pt_BR", "Português (BR)"}, {"pl", "Polski"},   {"ru", "Русский"},
};

// The folder of the data that holds the catalogues.
constexpr const char* kLanguageFolder = "Languages";

// The language of the code, or null when the game does not speak it.
const Language* findLanguage(std::string_view code);

// The language a locale name picks ("de_DE.UTF-8", "pt_BR", "fr", "sr@latin"): the same
// language and country, else the same language alone, else the same language of another
// country; null when the game does not speak it ("C" and "POSIX" among them).
const Language* languageOfLocale(std::string_view locale);

// The language the player's environment asks for: the first of the colon-separated list
// in LANGUAGE the game speaks, else the locale of messages, the first set of LC_ALL,
// LC_MESSAGES and LANG; English when none picks a language the game speaks.
const Language& environmentLanguage(const std::function<const char*(const char*)>& environment);

// The language after the code's in kLanguages, wrapping round; English after an unknown one.
const Language& nextLanguage(std::string_view code);

// The language's catalogue, read from the archive; null for English, and (logged) when
// it cannot be read.
std::unique_ptr<MessageCatalogue> readCatalogue(InArchive& archive, const Language& language);

}  // namespace nimbus
