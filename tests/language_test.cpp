// The language: who chooses it, and English texts drawn by the code that fit
// where their Czech texts stand.
#include "shell/language.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include "media/text.h"
#include "program_runner.h"
#include "view/words.h"

namespace {

using heli::Language;

std::map<std::string, std::string> env;
const char* FromEnv(const char* name) {
  auto it = env.find(name);
  return it == env.end() ? nullptr : it->second.c_str();
}

TEST(Language, TheCommandLineThenTheSettingThenTheLocaleAndCzechOtherwise) {
  struct Case {
    std::map<std::string, std::string> env;
    Language expected;
  };
  const Case cases[] = {
      {{}, Language::Czech},
      {{{"LANG", "C"}}, Language::Czech},
      {{{"LANG", "POSIX"}}, Language::Czech},
      {{{"LANG", "C.UTF-8"}}, Language::Czech},
      {{{"LANG", "en_GB.UTF-8"}}, Language::English},
      {{{"LANG", "de_DE.UTF-8"}}, Language::Czech},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "cs_CZ.UTF-8"}}, Language::Czech},
      {{{"LANG", "cs_CZ"}, {"LC_MESSAGES", "en_US"}, {"LC_ALL", ""}}, Language::English},
      {{{"LC_MESSAGES", "en_US"}, {"LC_ALL", "C"}}, Language::Czech},
      {{{"LANG", "cs_CZ.UTF-8"}, {"LC_ALL", "en@euro"}}, Language::English},
  };
  for (const Case& c : cases) {
    env = c.env;
    EXPECT_EQ(heli::ChooseLanguage(std::nullopt, std::nullopt, FromEnv), c.expected)
        << (env.count("LANG") ? env["LANG"] : "");
  }
  env = {{"LANG", "en_US.UTF-8"}};
  EXPECT_EQ(heli::ChooseLanguage(std::nullopt, Language::Czech, FromEnv), Language::Czech);
  EXPECT_EQ(heli::ChooseLanguage(Language::English, Language::Czech, FromEnv), Language::English);
  EXPECT_EQ(heli::ChooseLanguage(heli::LanguageNamed("cs"), std::nullopt, FromEnv),
            Language::Czech);
  EXPECT_FALSE(heli::LanguageNamed("de"));
}

// Each text the code draws in Czech, at its font size; English must be no wider.
TEST(Language, EveryEnglishTextFitsTheRoomOfItsCzechTextAndCzechComesBack) {
  ASSERT_TRUE(media::TextAvailable());
  const std::map<std::string, int> drawn = {
      {"Záchranná židle VYSUNUTÁ !! ", 15},
      {"POZOR NEBEZPEČÍ TAMROX!! ", 13},
      {" ve spolupraci...", 15},
      {"Uložená hra CHYBÍ !!", 15},
      {"Uloženou hru NELZE PŘEČÍST !!", 15},
      {"Hra NEBYLA ULOŽENA !!", 15},
  };
  // Every message of the catalogue is drawn, but for the window's title.
  std::ifstream po(std::string(HELI_SOURCE_DIR) + "/po/en.po");
  std::set<std::string> ids;
  for (std::string line; std::getline(po, line);)
    if (line.rfind("msgid \"", 0) == 0 && line != "msgid \"\"")
      ids.insert(line.substr(7, line.size() - 8));
  ids.erase("Záchranný vrtulník");
  std::set<std::string> listed;
  for (const auto& [text, size] : drawn) listed.insert(text);
  EXPECT_EQ(ids, listed);

  ASSERT_TRUE(heli::UseLanguage(Language::English, HELI_BINARY_DIR));
  EXPECT_EQ(heli::CurrentLanguage(), Language::English);
  for (const auto& [czech, size] : drawn) {
    const std::string english = heli::Tr(czech.c_str());
    EXPECT_NE(english, czech);
    const media::FontSpec font{size, 96};
    EXPECT_LE(media::MeasureText(english, font).width, media::MeasureText(czech, font).width)
        << english;
  }
  EXPECT_STREQ(heli::Tr(""), "");
  EXPECT_EQ(heli::InLanguage("vrt.lta", [](const std::string& f) { return f == "en/vrt.lta"; }),
            "en/vrt.lta");
  EXPECT_EQ(heli::InLanguage("lev1.lta", [](const std::string&) { return false; }), "lev1.lta");

  ASSERT_TRUE(heli::UseLanguage(Language::Czech, HELI_BINARY_DIR));
  EXPECT_STREQ(heli::Tr("Hra NEBYLA ULOŽENA !!"), "Hra NEBYLA ULOŽENA !!");
  EXPECT_EQ(heli::InLanguage("vrt.lta", [](const std::string&) { return true; }), "vrt.lta");
}

}  // namespace

namespace {

// The program speaks the locale's language unless told otherwise.
TEST(Language, TheProgramSpeaksEnglishUnderAnEnglishLocaleUnlessToldCzech) {
  const auto dir = heli::testing::MakeTempFolder("language");
  std::ofstream(dir / "intro.demo") << "heli-demo 1\nseed 3\n@160 end\n";
  const std::string game = std::string("\"") + HELI_BINARY_DIR +
                           "/heli-rescue\" --headless --play intro.demo --screenshot-at 150 ";
  EXPECT_EQ(heli::testing::RunIn(dir, game + "c.png").status, 0);
  EXPECT_EQ(heli::testing::RunIn(dir, "LC_ALL=en_US.UTF-8 " + game + "en.png").status, 0);
  EXPECT_EQ(heli::testing::RunIn(dir, "LC_ALL=en_US.UTF-8 " + game + "cs.png --lang cs").status, 0);
  const std::string czech = heli::testing::ReadAll(dir / "c.png");
  EXPECT_FALSE(czech.empty());
  EXPECT_EQ(heli::testing::ReadAll(dir / "cs.png"), czech);
  EXPECT_NE(heli::testing::ReadAll(dir / "en.png"), czech);
  std::filesystem::remove_all(dir);
}

}  // namespace
