#include "shell/language.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "view/words.h"

#ifndef HELI_INSTALLED_LOCALE_DIR
#define HELI_INSTALLED_LOCALE_DIR "/usr/local/share/locale"
#endif

namespace heli {

namespace fs = std::filesystem;

namespace {

Language& Current() {
  static Language language = Language::Czech;
  return language;
}

// "en_GB.UTF-8" -> "en"; "C", "POSIX" and "C.UTF-8" stay themselves.
std::string LanguageOfLocale(const std::string& locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

}  // namespace

std::optional<Language> LanguageNamed(const std::string& code) {
  if (code == "cs") return Language::Czech;
  if (code == "en") return Language::English;
  return std::nullopt;
}

const char* LanguageCode(Language language) {
  return language == Language::English ? "en" : "cs";
}

Language ChooseLanguage(const std::optional<Language>& given,
                        const std::optional<Language>& setting,
                        const char* (*getenv)(const char*)) {
  if (given) return *given;
  if (setting) return *setting;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (!value || !*value) continue;
    // The first that is set is the locale; a language the game lacks means Czech.
    return LanguageNamed(LanguageOfLocale(value)).value_or(Language::Czech);
  }
  return Language::Czech;
}

bool UseLanguage(Language language, const fs::path& program_folder) {
  Current() = Language::Czech;
  // The texts are Czech as written: under the C locale gettext gives them back.
  if (language == Language::Czech) return std::setlocale(LC_MESSAGES, "C") != nullptr;
  std::vector<fs::path> folders;
  if (!program_folder.empty()) {
    folders.push_back(program_folder / "locale");
    folders.push_back((program_folder / ".." / "share" / "locale").lexically_normal());
  }
  folders.push_back(HELI_INSTALLED_LOCALE_DIR);
  const std::string catalogue =
      std::string(LanguageCode(language)) + "/LC_MESSAGES/" + kTextDomain + ".mo";
  for (const fs::path& folder : folders) {
    std::error_code ec;
    if (!fs::is_regular_file(folder / catalogue, ec)) continue;
      // Messages only: numbers and everything else keep the C locale's forms.
#ifdef __GLIBC__
    // The catalogue is chosen by LANGUAGE, which gettext reads under any locale but C.
    setenv("LANGUAGE", LanguageCode(language), 1);
    if (!std::setlocale(LC_MESSAGES, "C.UTF-8")) return false;
#else
    // Other C libraries (the browser build's) take the catalogue by the messages'
    // locale name and need no locale installed for it.
    if (!std::setlocale(LC_MESSAGES, LanguageCode(language))) return false;
#endif
    bindtextdomain(kTextDomain, fs::absolute(folder, ec).c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
    Current() = language;
    return true;
  }
  return false;
}

Language CurrentLanguage() {
  return Current();
}

std::string InLanguage(const std::string& name, bool (*exists)(const std::string&)) {
  if (Current() == Language::Czech) return name;
  const std::string translated = std::string(LanguageCode(Current())) + "/" + name;
  return exists(translated) ? translated : name;
}

}  // namespace heli
