#pragma once
// The language the game speaks: Czech, its own, or English. Texts the code draws
// are looked up in the gettext catalogue; pictures with words come in a set per
// language.
#include <filesystem>
#include <optional>
#include <string>

namespace heli {

enum class Language { Czech, English };

// The command line's choice, else the setting's, else the locale's language
// (LC_ALL, LC_MESSAGES, LANG, the first that is set) when the game speaks it;
// Czech otherwise, also under the C and POSIX locales. `getenv` reads the
// environment (a parameter for tests).
Language ChooseLanguage(const std::optional<Language>& given,
                        const std::optional<Language>& setting, const char* (*getenv)(const char*));
// "cs" or "en"; none for another word.
std::optional<Language> LanguageNamed(const std::string& code);
const char* LanguageCode(Language language);

// Speaks `language` from now on: English through the catalogue found beside the
// program (locale/, as in the build folder, or ../share/locale) or in the installed
// locale folder. False, with the game staying in Czech, when no catalogue is found.
bool UseLanguage(Language language, const std::filesystem::path& program_folder);
Language CurrentLanguage();

// The file of a picture list or level file in the current language: "en/NAME"
// in English when `exists` says it is there, otherwise NAME itself.
std::string InLanguage(const std::string& name, bool (*exists)(const std::string&));

}  // namespace heli
