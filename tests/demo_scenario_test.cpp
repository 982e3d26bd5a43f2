// Whole games played from text demos through the built program.
#include <gtest/gtest.h>

#include "demo_runner.h"
#include "golden_record.h"

namespace {

using heli::testing::LevelFilesPresent;
using heli::testing::RunDemo;

constexpr const char* kSample =
    "heli-demo 1\nrate 60\nseed 1234\n"
    "@10 press Escape\n@11 mouse 400 100\n@13 click\n@15 press Escape\n"
    "@16 hold A Up\n@80 hold\n@400 end\n";

TEST(DemoScenario, EscapeEndsTheIntroAndTheMouseHighlightsNewGame) {
  auto run =
      RunDemo("intro", "heli-demo 1\nseed 7\n@10 press Escape\n@12 mouse 400 100\n@20 end\n");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 20u);
  EXPECT_EQ(run.ticks[9]["intro_running"], 1);
  EXPECT_EQ(run.ticks[9]["intro_tick"], 10);
  EXPECT_EQ(run.ticks[10]["intro_running"], 0);
  EXPECT_EQ(run.ticks[10]["in_menu"], 1);
  EXPECT_EQ(run.ticks[11]["menu_item"], 0);   // the mouse has not moved: no band
  EXPECT_EQ(run.ticks[12]["menu_item"], 21);  // mouse_y 100 lies in the band of nhra
  EXPECT_EQ(run.ticks[12]["mouse_y"], 100);
  EXPECT_EQ(run.ticks[19]["tick"], 19);
}

TEST(DemoScenario, SampleDemoStartsPlayAtTick16) {
  if (!LevelFilesPresent()) GTEST_SKIP() << "level files not built yet";
  auto run = RunDemo("sample", kSample);
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 400u);
  EXPECT_EQ(run.ticks[11]["intro_running"], 0);
  EXPECT_EQ(run.ticks[11]["in_menu"], 1);
  EXPECT_EQ(run.ticks[13]["level_intro"], 1);  // the click started level 1
  EXPECT_EQ(run.ticks[16]["in_menu"], 0);
  EXPECT_EQ(run.ticks[16]["level_intro"], 0);
  EXPECT_EQ(run.ticks[16]["visible"]["spodni_menu"], true);
}

TEST(DemoScenario, HeldF1TogglesTheHelpEveryTenTicks) {
  if (!LevelFilesPresent()) GTEST_SKIP() << "level files not built yet";
  auto run = RunDemo("help", "heli-demo 1\nseed 3\n@2 hold F1\n@40 end\n", "--level 1");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 40u);
  EXPECT_EQ(run.ticks[1]["help_shown"], 0);
  EXPECT_EQ(run.ticks[2]["help_shown"], 1);
  EXPECT_EQ(run.ticks[11]["help_shown"], 1);
  EXPECT_EQ(run.ticks[12]["help_shown"], 0);
  EXPECT_EQ(run.ticks[22]["help_shown"], 1);
  EXPECT_EQ(run.ticks[32]["help_shown"], 0);
}

TEST(DemoScenario, SameDemoSameGameAndARecordingPlaysTheSameGame) {
  const char* demo =
      "heli-demo 1\nseed 99\n@3 press Escape\n@4 mouse 300 120\n@6 click\n@8 press Escape\n"
      "@9 hold A Right\n@50 hold Up PageDown\n@70 press M\n@90 hold\n@120 end\n";
  const auto recorded = heli::testing::TempFile("recorded.demo");
  auto first = RunDemo("first", demo, "--record '" + recorded.string() + "'");
  auto second = RunDemo("second", demo);
  ASSERT_EQ(first.status, 0);
  ASSERT_EQ(first.ticks.size(), 120u);
  EXPECT_EQ(first.ticks, second.ticks);
  std::ifstream in(recorded);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove(recorded);
  ASSERT_FALSE(text.empty());
  auto replay = RunDemo("replay", text);
  ASSERT_EQ(replay.status, 0);
  EXPECT_EQ(replay.ticks, first.ticks);
}

TEST(DemoScenario, ABrokenDemoNamesItsLineAndExitsWith2) {
  auto run = RunDemo("broken", "heli-demo 1\n@5 hold A\n@3 hold\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_TRUE(run.ticks.empty());
}

}  // namespace

namespace {

// The menu by keys alone: Down selects the new game, lit exactly as the mouse's band
// lights it, and Enter starts it.
TEST(DemoScenario, TheMenuWorksByKeysAlone) {
  if (!heli::testing::LevelFilesPresent()) GTEST_SKIP() << "level files not built";
  const auto keys_png = heli::testing::TempFile("keys.png");
  const auto mouse_png = heli::testing::TempFile("mouse.png");
  const auto run = heli::testing::RunDemo(
      "menu-keys",
      "heli-demo 1\nseed 1\n@5 press Escape\n@20 hold Down\n@21 hold\n@30 press Enter\n@40 end\n",
      "--screenshot-at 25 '" + keys_png.string() + "'");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 40u);
  EXPECT_EQ(run.ticks[25]["in_menu"], 1);
  EXPECT_EQ(run.ticks[25]["menu_item"], 21);
  EXPECT_EQ(run.ticks[35]["level_intro"], 1);
  EXPECT_EQ(run.ticks[35]["in_menu"], 0);
  const auto mouse = heli::testing::RunDemo(
      "menu-mouse", "heli-demo 1\nseed 1\n@5 press Escape\n@20 mouse 400 100\n@26 end\n",
      "--screenshot-at 25 '" + mouse_png.string() + "'");
  ASSERT_EQ(mouse.status, 0);
  EXPECT_EQ(mouse.ticks[25]["menu_item"], 21);
  const std::string lit_by_keys = heli::testing::PngPixelDigest(keys_png.string());
  EXPECT_FALSE(lit_by_keys.empty());
  EXPECT_EQ(lit_by_keys, heli::testing::PngPixelDigest(mouse_png.string()));
  std::filesystem::remove(keys_png);
  std::filesystem::remove(mouse_png);
}

}  // namespace
