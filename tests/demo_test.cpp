#include "shell/demo.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using heli::Demo;
using heli::DemoEvent;
using heli::ParseDemo;

constexpr const char* kSample =
    "heli-demo 1\n"
    "rate 60\n"
    "seed 1234\n"
    "# the intro runs from tick 0; Escape skips it\n"
    "@10 press Escape\n"
    "@11 mouse 400 100\n"
    "@13 click\n"
    "@15 press Escape\n"
    "@16 hold A Up\n"
    "@80 hold\n"
    "@400 end\n";

TEST(DemoFormat, ReadsEveryCommandOfTheSample) {
  Demo d = ParseDemo(kSample, "sample.demo");
  EXPECT_EQ(d.rate, 60);
  ASSERT_TRUE(d.seed);
  EXPECT_EQ(*d.seed, 1234u);
  ASSERT_EQ(d.events.size(), 7u);
  EXPECT_EQ(d.events[0].kind, DemoEvent::Kind::Press);
  EXPECT_EQ(d.events[0].keys, std::vector<int>{27});
  EXPECT_EQ(d.events[1].kind, DemoEvent::Kind::Mouse);
  EXPECT_EQ(d.events[1].x, 400);
  EXPECT_EQ(d.events[1].y, 100);
  EXPECT_EQ(d.events[2].kind, DemoEvent::Kind::Click);
  EXPECT_EQ(d.events[4].keys, (std::vector<int>{65, 38}));
  EXPECT_TRUE(d.events[5].keys.empty());
  EXPECT_EQ(d.events[6].kind, DemoEvent::Kind::End);
  EXPECT_EQ(d.events[6].tick, 400);
}

TEST(DemoFormat, DefaultsAndRoundTrip) {
  Demo d = ParseDemo(
      "heli-demo 1\n\n@0 hold PageUp PageDown Space F1 M I Enter Left Right Down Z\n", "x");
  EXPECT_EQ(d.rate, 60);
  EXPECT_FALSE(d.seed);
  Demo again = ParseDemo(heli::FormatDemo(ParseDemo(kSample, "a")), "b");
  EXPECT_EQ(heli::FormatDemo(again), heli::FormatDemo(ParseDemo(kSample, "a")));
  EXPECT_EQ(again.events.size(), 7u);
}

TEST(DemoFormat, ErrorsNameTheFileAndLine) {
  auto message = [](const char* text) {
    try {
      ParseDemo(text, "bad.demo");
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message("heli-demo 2\n").rfind("bad.demo:1: ", 0), 0u);
  EXPECT_EQ(message("").rfind("bad.demo:1: ", 0), 0u);
  EXPECT_EQ(message("# c\nhello\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@5 hold A\n@4 hold\n").rfind("bad.demo:3: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@5 hold Escape\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@5 press Q\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@5 jump\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@x click\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@1 mouse 3\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\nrate 0\n").rfind("bad.demo:2: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\n@1 click\nseed 4\n").rfind("bad.demo:3: ", 0), 0u);
  EXPECT_EQ(message("heli-demo 1\nseed 99999999999\n").rfind("bad.demo:2: ", 0), 0u);
}

}  // namespace
