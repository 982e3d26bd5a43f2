// The command line: the start level, and the options the README lists.
#include "shell/options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

heli::ParseResult Parse(std::initializer_list<const char*> args) {
  std::vector<const char*> argv{"heli-rescue"};
  argv.insert(argv.end(), args);
  return heli::ParseOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(Options, LevelTakesOneToNine) {
  EXPECT_FALSE(Parse({}).options.level.has_value());
  for (int n = 1; n <= 9; ++n) {
    const std::string value = std::to_string(n);
    auto r = Parse({"--level", value.c_str()});
    ASSERT_TRUE(r.error.empty()) << r.error;
    EXPECT_EQ(r.options.level, n);
  }
  EXPECT_EQ(Parse({"--level=9", "--headless"}).options.level, 9);
  for (const char* bad : {"0", "10", "-1", "x", "4x", ""})
    EXPECT_FALSE(Parse({"--level", bad}).error.empty()) << bad;
  EXPECT_FALSE(Parse({"--level"}).error.empty());
}

// A numbered screenshot takes its number and a file, also written as one value.
TEST(Options, NumberedScreenshotsNeedANumberAndAFile) {
  auto r = Parse({"--screenshot-at", "12", "a.png", "--screenshot-frame=7 b.png"});
  ASSERT_TRUE(r.error.empty()) << r.error;
  EXPECT_EQ(r.options.screenshots_at.at(0), std::make_pair(std::int64_t{12}, std::string("a.png")));
  EXPECT_EQ(r.options.screenshots_frame.at(0),
            std::make_pair(std::int64_t{7}, std::string("b.png")));
  for (const char* bad : {"--screenshot-frame=7", "--screenshot-at=7 ", "--screenshot-at=x a.png"})
    EXPECT_FALSE(Parse({bad}).error.empty()) << bad;
}

// Every option the program takes is in the README's table, and every option the
// table lists is one the program takes.
TEST(Options, TheReadmeListsExactlyTheProgramsOptions) {
  auto options_in = [](const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it)
      found.insert((*it)[1]);
    return found;
  };
  std::ifstream readme(std::string(HELI_SOURCE_DIR) + "/README.md");
  ASSERT_TRUE(readme);
  std::stringstream text;
  text << readme.rdbuf();
  const auto help =
      options_in(heli::HelpText(), std::regex(R"(^  (--[a-z-]+))", std::regex::multiline));
  const auto listed =
      options_in(text.str(), std::regex(R"(^\| `(--[a-z-]+))", std::regex::multiline));
  EXPECT_GT(help.size(), 15u);
  EXPECT_EQ(listed, help);
  for (const std::string& o : help) {
    if (o == "--help" || o == "--version") continue;
    const char* with_value[] = {
        "--config",          "--lang",          "--data-dir",  "--save-dir",
        "--ticks",           "--seed",          "--tick-rate", "--level",
        "--screenshot",      "--record",        "--play",      "--dump",
        "--dump-every",      "--screenshot-at", "--timedemo",  "--present-rate",
        "--screenshot-frame"};
    if (std::find(std::begin(with_value), std::end(with_value), o) != std::end(with_value))
      continue;
    EXPECT_TRUE(Parse({o.c_str()}).error.empty()) << o;
  }
}

}  // namespace
