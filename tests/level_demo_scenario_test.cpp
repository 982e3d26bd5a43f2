// Whole levels played from committed demos (made with tools/autopilot) through
// the built program.
#include <gtest/gtest.h>

#include "level_demo_runner.h"

namespace {

using heli::testing::LevelFilesBuilt;
using heli::testing::PlayInFolder;

TEST(LevelDemo, LevelOneFromTheMenuToLevelTwosStartScreen) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level1_complete.demo", 100);
  ASSERT_EQ(run.status, 0);
  ASSERT_GT(run.ticks.size(), 100u);
  EXPECT_EQ(run.ticks.front()["intro_running"], 1);  // a new game from the very start

  int rescued = 0, lowest_fuel = 150, refills = 0, previous_fuel = 150;
  for (const auto& t : run.ticks) {
    if (t["level"] != 1 || t["intro_running"] == 1 || t["in_menu"] == 1) continue;
    ASSERT_EQ(t["crashed"], 0) << "tick " << t["tick"];
    ASSERT_GE(t["rescued"].get<int>(), rescued) << "tick " << t["tick"];
    rescued = t["rescued"];
    ASSERT_GE(t["free_seats"].get<int>(), 0);
    EXPECT_EQ(t["rescued"].get<int>() + t["endangered"].get<int>(), 16) << "tick " << t["tick"];
    const int fuel = t["gauges"]["gpalivo"];
    lowest_fuel = std::min(lowest_fuel, fuel);
    if (fuel > previous_fuel + 10) ++refills;
    previous_fuel = fuel;
  }
  // The last delivery and the level change fall between two samples; the next
  // level's start screen below says that the sixteenth came in.
  EXPECT_GE(rescued, 12);
  EXPECT_GE(refills, 1);
  EXPECT_GT(lowest_fuel, 10);

  // Everyone is in: the next level's start screen, and the level reached saved.
  const auto& last = run.ticks.back();
  EXPECT_EQ(last["level"], 2);
  EXPECT_EQ(last["level_intro"], 1);
  EXPECT_EQ(last["endangered"], 11);  // level 2 laid out
  EXPECT_EQ(run.save_file, std::string(1, '\x02'));
}

}  // namespace
