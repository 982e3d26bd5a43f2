// Frames between the ticks: the scene carried part of the way to the next tick,
// the program's frames at a tick's time equal to the tick's own, and the game
// itself untouched by how often it is presented.
#include "shell/smooth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "program_runner.h"
#include "shell/level_flow.h"
#include "tests/shell_helpers.h"
#include "tests/test_game.h"
#include "view/between.h"

namespace {

namespace fs = std::filesystem;

bool Within(int v, int a, int b) {
  return std::min(a, b) <= v && v <= std::max(a, b);
}

// A level-1 flight at speed, turning: between two ticks every record on screen
// lies between where the two ticks drew it, and at 0 the scene is the tick's.
TEST(Smooth, TheSceneBetweenLiesBetweenTheTwoTicks) {
  auto g = heli::testing::NewGame();
  ASSERT_TRUE(heli::StartAtLevel(*g, 1));
  g->DXInput1.KeyDown(38);  // Up
  g->DXInput1.KeyDown(65);  // A: faster
  g->DXInput1.KeyDown(39);  // Right: turning
  heli::testing::Ticks(*g, 200);
  ASSERT_EQ(g->crashed, 0);
  ASSERT_TRUE(heli::CanPresentBetween(*g));
  ASSERT_NE(g->scroll_dx, 0);

  const heli::Scene before = g->scene;
  const heli::Scene same = heli::SceneBetween(*g, 0);
  const heli::Scene half = heli::SceneBetween(*g, 0.5);
  heli::testing::Ticks(*g, 1);
  const heli::Scene after = g->scene;

  int strictly = 0;
  ASSERT_GT(before.tile_count, 0);
  for (int i = 0; i < before.tile_count; ++i) {
    const auto &a = before.tiles[i], &m = half.tiles[i], &b = after.tiles[i];
    EXPECT_TRUE(Within(m.x, a.x, b.x) && Within(m.y, a.y, b.y)) << "tile " << i;
    strictly += m.x != a.x && m.x != b.x;
    EXPECT_EQ(same.tiles[i].x, a.x);
    EXPECT_EQ(same.tiles[i].y, a.y);
  }
  EXPECT_GT(strictly, 0);
  for (int i = 0; i < before.object_count; ++i)
    EXPECT_TRUE(Within(half.objects[i].x, before.objects[i].x, after.objects[i].x)) << i;
  // The body turns two steps a tick: one at half way; the rotor turns one way.
  EXPECT_EQ(static_cast<heli::u8>(half.heading - before.heading), 1);
  EXPECT_EQ(static_cast<heli::u8>(after.heading - before.heading), 2);
  const int rotor = static_cast<heli::u8>(after.rotor_angle - before.rotor_angle);
  EXPECT_NEAR(static_cast<heli::u8>(half.rotor_angle - before.rotor_angle), rotor / 2.0, 0.5);

  // The map's slower ticks jump: no frames between them.
  g->DXInput1.KeyDown('M');
  heli::testing::Ticks(*g, 2);
  EXPECT_TRUE(g->scene.map);
  EXPECT_FALSE(heli::CanPresentBetween(*g));
}

// At 120 frames a second the even frames are the ticks' own, pixel for pixel, the
// odd ones differ from both neighbours, and the game's states are as without.
TEST(Smooth, AtTwiceTheTickRateEveryOtherFrameIsTheTicksOwn) {
  const fs::path dir = heli::testing::MakeTempFolder("smooth");
  const std::string game = std::string("\"") + HELI_BINARY_DIR +
                           "/heli-rescue\" --headless --level 1 --ticks 320 --play \"" +
                           HELI_SOURCE_DIR + "/tests/demos/level1_flight.demo\"";
  const auto plain = heli::testing::RunIn(HELI_BINARY_DIR,
                                          game + " --dump '" + (dir / "plain.json").string() + "'");
  std::string shots = " --present-rate 120 --dump '" + (dir / "smooth.json").string() + "'";
  for (int t : {300, 301})
    shots += " --screenshot-at " + std::to_string(t) + " '" +
             (dir / ("tick" + std::to_string(t) + ".png")).string() + "'";
  for (int f : {600, 601, 602})
    shots += " --screenshot-frame " + std::to_string(f) + " '" +
             (dir / ("frame" + std::to_string(f) + ".png")).string() + "'";
  const auto smooth = heli::testing::RunIn(HELI_BINARY_DIR, game + shots);
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_EQ(smooth.status, 0) << smooth.err;
  const auto read = [&](const std::string& name) { return heli::testing::ReadAll(dir / name); };
  EXPECT_FALSE(read("plain.json").empty());
  EXPECT_EQ(read("smooth.json"), read("plain.json"));
  ASSERT_FALSE(read("tick300.png").empty());
  EXPECT_EQ(read("frame600.png"), read("tick300.png"));
  EXPECT_EQ(read("frame602.png"), read("tick301.png"));
  EXPECT_NE(read("frame601.png"), read("tick300.png"));
  EXPECT_NE(read("frame601.png"), read("tick301.png"));
  EXPECT_NE(read("tick300.png"), read("tick301.png"));
  fs::remove_all(dir);
}

}  // namespace
