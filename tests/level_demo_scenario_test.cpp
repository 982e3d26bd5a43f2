// Whole levels played from committed demos (made with tools/autopilot) through
// the built program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "level_demo_runner.h"
#include "media/image_list.h"

namespace {

using heli::testing::LevelFilesBuilt;
using heli::testing::PlayInFolder;

TEST(LevelDemo, LevelOneFromTheMenuToLevelTwosStartScreen) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level1_from_intro.demo", 100);
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

namespace {

int CountDoomed(const nlohmann::json& tick) {
  int n = 0;
  for (const auto& p : tick["people"]) n += p["doomed"].get<int>();
  return n;
}

// Level 2: the mission clock ticks every 120 steps from 5, and every 17 clock
// ticks the next person flees the fire and falls; 11 are carried off all the same.
TEST(LevelDemo, LevelTwoClockDoomsPeopleInTurnAndTheLevelIsStillWon) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level2_complete.demo", 100, "--level 2");
  ASSERT_EQ(run.status, 0);
  ASSERT_GT(run.ticks.size(), 50u);
  bool fire_heard = false;
  int doomed_seen = 0;
  for (std::size_t i = 0; i + 1 < run.ticks.size(); ++i) {
    const auto& t = run.ticks[i];
    const int tick = t["tick"];
    ASSERT_EQ(t["level"], 2);
    ASSERT_EQ(t["crashed"], 0) << "tick " << tick;
    const int clock = t["clock_ticks"];
    EXPECT_EQ(clock, 5 + tick / 120) << "tick " << tick;  // one step a tick: no map shown
    const int due = clock >= 17 ? (clock - 17) / 17 + 1 : 0;
    EXPECT_EQ(CountDoomed(t), due) << "tick " << tick;
    EXPECT_EQ(t["next_person"], due + 1);
    for (int k = 0; k < due; ++k) EXPECT_EQ(t["people"][k]["doomed"], 1);
    // Doomed in an earlier sample: the run and the fall are over.
    if (i > 0) {
      const int earlier = CountDoomed(run.ticks[i - 1]);
      for (int k = 0; k < earlier; ++k)
        if (t["people"][k]["aboard"] == 0) {
          EXPECT_EQ(t["people"][k]["fall_step"], 25);
        }
    }
    doomed_seen = std::max(doomed_seen, due);
    fire_heard = fire_heard || t["level2_volume"] == -700;
  }
  EXPECT_GE(doomed_seen, 5);
  EXPECT_TRUE(fire_heard);
  const auto& last = run.ticks.back();
  EXPECT_EQ(last["level"], 3);
  EXPECT_EQ(last["level_intro"], 1);
  EXPECT_EQ(run.save_file, std::string(1, '\x03'));
}

// Level 2 again, tick by tick while the helicopter hoists beside the fire: the
// heat turns it by -1 or +2 steps at random. The pilot turns by 2 and no vortex is
// near, so an odd turn is the fire's, and it happens only within 20 pixels of it.
TEST(LevelDemo, LevelTwoFireBuffetsTheHelicopterOnlyCloseBy) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  media::ImageList pictures;
  pictures.LoadItemsFromFile(heli::testing::BuiltLevelFile(2).string());
  const int w = pictures.ImageWidth(8), h = pictures.ImageHeight(8);
  ASSERT_GT(w, 0);
  const auto run = PlayInFolder("level2_complete.demo", 1, "--level 2 --ticks 1800");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 1800u);
  int inside = 0, odd_inside = 0, odd_outside = 0;
  for (std::size_t i = 1; i < run.ticks.size(); ++i) {
    const auto& before = run.ticks[i - 1];
    const auto& t = run.ticks[i];
    if (t["vortex_warning"] == 1) continue;
    // The hazards are tested before the world moves on in this tick.
    const int x = before["objects"][4]["x"], y = before["objects"][4]["y"];
    const bool near = x - 20 < 0 && 0 < x + w + 20 && y - 20 < 0 && 0 < y + h + 20;
    const int turn = (t["heading"].get<int>() - before["heading"].get<int>()) & 255;
    inside += near;
    if (turn % 2 == 1) ++(near ? odd_inside : odd_outside);
  }
  EXPECT_GT(inside, 100);
  EXPECT_GT(odd_inside, 10);
  EXPECT_EQ(odd_outside, 0);
}

// Level 4: five people hoisted from the burning platform stop the clock at its
// next tick; it never moves again, nobody is doomed, and the level is won.
TEST(LevelDemo, LevelFourFiveRescuesFromThePlatformStopTheClock) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level4_complete.demo", 100, "--level 4");
  ASSERT_EQ(run.status, 0);
  ASSERT_GT(run.ticks.size(), 50u);
  int stopped_at = -1;
  for (std::size_t i = 0; i + 1 < run.ticks.size(); ++i) {
    const auto& t = run.ticks[i];
    const int tick = t["tick"];
    ASSERT_EQ(t["crashed"], 0) << "tick " << tick;
    EXPECT_EQ(CountDoomed(t), 0);
    if (t["clock_on"] == 1) {
      EXPECT_LT(stopped_at, 0) << "the clock started again at tick " << tick;
      EXPECT_EQ(t["clock_ticks"], 5 + tick / 120) << "tick " << tick;
    } else {
      EXPECT_GE(t["special_count"].get<int>(), 5) << "tick " << tick;
      if (stopped_at < 0) stopped_at = t["clock_ticks"];
      EXPECT_EQ(t["clock_ticks"], stopped_at) << "tick " << tick;
    }
  }
  EXPECT_GT(stopped_at, 5);
  EXPECT_LT(stopped_at, 50);  // before the first person would have died
  const auto& last = run.ticks.back();
  EXPECT_EQ(last["level"], 5);
  EXPECT_EQ(last["level_intro"], 1);
}

// Level 6, tick by tick as the helicopter flies out to the drifting boat: the boat
// and its people drift 3 pixels (0.03 map units) south a tick, and close by the
// boat's crew shoots: a hit is only ever taken inside the shooting box.
TEST(LevelDemo, LevelSixBoatDriftsAndShootsAtTheHelicopterCloseBy) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  media::ImageList pictures;
  pictures.LoadItemsFromFile(heli::testing::BuiltLevelFile(6).string());
  const int w = pictures.ImageWidth(8), h = pictures.ImageHeight(8);
  ASSERT_GT(w, 0);
  const auto run = PlayInFolder("level6_boat.demo", 1, "--level 6");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 1800u);
  int hits = 0, hits_costing_fuel = 0, loudest = -7000;
  for (std::size_t i = 1; i < run.ticks.size(); ++i) {
    const auto& before = run.ticks[i - 1];
    const auto& t = run.ticks[i];
    ASSERT_EQ(t["crashed"], 0);
    const auto& boat = t["objects"][4];
    const int x = before["objects"][4]["x"], y = before["objects"][4]["y"];
    const int drift = 3 - before["scroll_dy"].get<int>();
    ASSERT_EQ(boat["y"].get<int>(), y + drift) << "tick " << t["tick"];
    ASSERT_EQ(t["people"][0]["y"].get<int>(), before["people"][0]["y"].get<int>() + drift);
    EXPECT_NEAR(boat["my"].get<double>(), -150 + 0.03 * (static_cast<double>(i) + 1), 0.01);
    loudest = std::max(loudest, t["level6_volume"].get<int>());
    if (t["hit_flag"] == 1) {
      ++hits;
      EXPECT_TRUE(x - 20 < 0 && 0 < x + w + 40 && y - 20 < 0 && 0 < y + h + 200)
          << "hit from afar at tick " << t["tick"];
      hits_costing_fuel += t["gauges"]["gpalivo"] < before["gauges"]["gpalivo"];
    }
  }
  EXPECT_GT(hits, 20);
  EXPECT_GT(hits_costing_fuel, 10);  // the shots, not the throws
  EXPECT_EQ(loudest, -600);          // the boat's sound at its loudest close by
}

int Trunc(const nlohmann::json& v) {
  return static_cast<int>(std::trunc(v.get<double>()));
}

// Flying with another helicopter: every tick within 5 map units of one costs a unit
// of fuel, on top of the engine's own use of at most one unit a tick.
TEST(LevelDemo, AnotherHelicopterCloseByDrainsTheFuel) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level1_heli_fuel_drain.demo", 1, "--level 1");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 700u);
  int near_ticks = 0, drained = 0;
  for (std::size_t i = 1; i < run.ticks.size(); ++i) {
    const auto& before = run.ticks[i - 1];
    const auto& t = run.ticks[i];
    ASSERT_EQ(t["crashed"], 0);
    // The check runs before this tick's own move, with the last tick's positions.
    int near = 0;
    for (int k = 0; k < before["heli_count"].get<int>(); ++k) {
      const auto& h = before["helis"][k];
      near += std::abs(Trunc(before["map_x"]) - Trunc(h["mx"])) < 5 &&
              std::abs(Trunc(before["map_y"]) - Trunc(h["my"])) < 5 && before["altitude"] > 3;
    }
    const int change = t["gauges"]["gpalivo"].get<int>() - before["gauges"]["gpalivo"].get<int>();
    EXPECT_LE(change, -near) << "tick " << t["tick"];
    EXPECT_GE(change, -near - 1) << "tick " << t["tick"];
    near_ticks += near > 0;
    if (near > 0) drained -= change;
  }
  EXPECT_GT(near_ticks, 50);
  EXPECT_GE(drained, near_ticks);
}

// Into the vortex: within 80 map units of it the warning is up and the heading is
// thrown about by 3 steps at a time (the pilot turns by 2); outside, neither.
TEST(LevelDemo, TheVortexWarnsAndBuffetsOnlyWithinItsReach) {
  if (!LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  const auto run = PlayInFolder("level1_vortex.demo", 1, "--level 1");
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.ticks.size(), 1800u);
  int in_reach = 0, odd_inside = 0, odd_outside = 0;
  for (std::size_t i = 1; i < run.ticks.size(); ++i) {
    const auto& before = run.ticks[i - 1];
    const auto& t = run.ticks[i];
    ASSERT_EQ(t["crashed"], 0);
    if (before["altitude"] <= 6) continue;  // the vortex leaves a low helicopter alone
    const auto& v = before["vortices"][0];  // it drifts after acting
    const bool reach = std::abs(Trunc(before["map_x"]) - Trunc(v["mx"])) < 80 &&
                       std::abs(Trunc(before["map_y"]) - Trunc(v["my"])) < 80;
    EXPECT_EQ(t["vortex_warning"], reach ? 1 : 0) << "tick " << t["tick"];
    const int turn = (t["heading"].get<int>() - before["heading"].get<int>()) & 255;
    in_reach += reach;
    if (turn % 2 == 1) ++(reach ? odd_inside : odd_outside);
  }
  EXPECT_GT(in_reach, 200);
  EXPECT_GT(odd_inside, 50);
  EXPECT_EQ(odd_outside, 0);
}

}  // namespace
