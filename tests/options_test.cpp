// The command line's start level.
#include "shell/options.h"

#include <gtest/gtest.h>

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

}  // namespace
