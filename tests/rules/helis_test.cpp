#include "world/helis.h"

#include <gtest/gtest.h>

#include "tests/rules/rescue_setup.h"
#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::Heli;

struct HelisTest : ::testing::Test {
  void SetUp() override {
    g = heli::testing::NewGame();
    heli::testing::EnterPlay(*g);
    g->heli_screen_x = 350;
    g->heli_screen_y = 280;
    g->vortex_count = 0;
    g->heli_count = 0;
  }
  // A hovering helicopter at map position (mx, my), far from the player.
  Heli& AddHeli(float mx, float my, int x = 5000, int y = 5000) {
    ++g->heli_count;
    Heli& h = g->helis.At(g->heli_count);
    h = Heli{};
    h.mx = mx;
    h.my = my;
    h.x = x;
    h.y = y;
    h.pace = 10;
    return h;
  }
  void AddVortex(float mx, float my) {
    ++g->vortex_count;
    g->vortices.At(g->vortex_count).mx = mx;
    g->vortices.At(g->vortex_count).my = my;
  }
  // Runs ticks and checks that no random course interfered.
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) {
      heli::HelisTick(*g);
      for (int k = 1; k <= g->heli_count; ++k) {
        const heli::u32 d = g->helis.At(k).dice;
        ASSERT_FALSE(d == 1001 || d == 2001 || d == 3001 || d == 4001) << "random course";
      }
    }
  }
  std::unique_ptr<GameState> g;
};

TEST_F(HelisTest, TurningIsClockwiseAndMovingWaitsForTheHeading) {
  Heli& h = AddHeli(50, 50);
  h.steer_west = 1;
  Ticks(94);
  EXPECT_EQ(h.heli_heading, 188);  // through east and south
  EXPECT_EQ(h.x, 5000);
  Ticks(1);
  EXPECT_EQ(h.heli_heading, 190);
  EXPECT_EQ(h.x, 4990);
  EXPECT_FLOAT_EQ(h.mx, 49.9f);

  ClearHeliCourse(*g, 1);
  h.steer_north = 1;
  Ticks(32);
  EXPECT_EQ(h.heli_heading, 254);
  EXPECT_EQ(h.y, 5000);
  Ticks(1);
  EXPECT_EQ(h.heli_heading, 0);
  EXPECT_EQ(h.y, 4990);
  EXPECT_FLOAT_EQ(h.my, 49.9f);
  EXPECT_EQ(h.x, 4990);
}

TEST_F(HelisTest, MapEdgesSendTheHelicopterBackWithTheXRuleLast) {
  Heli& h = AddHeli(181, 0);
  h.steer_east = 1;
  Ticks(1);
  EXPECT_EQ(h.steer_west, 1);
  EXPECT_EQ(h.steer_east, 0);

  h.mx = 181;
  h.my = 181;
  Ticks(1);
  EXPECT_EQ(h.steer_west, 1);
  EXPECT_EQ(h.steer_north, 0);

  h.mx = 0;
  h.my = -180.5f;
  Ticks(1);
  EXPECT_EQ(h.steer_south, 1);
  EXPECT_EQ(h.steer_west, 0);

  ClearHeliCourse(*g, 1);
  h.mx = 180;
  h.my = -180;
  Ticks(1);
  EXPECT_EQ(h.steer_west + h.steer_east + h.steer_north + h.steer_south, 0);
}

TEST_F(HelisTest, FleesTheVortexWithAnExtraShove) {
  AddVortex(10.5f, 0);
  Heli& h = AddHeli(5.5f, 90);  // vortex to the east
  h.heli_heading = 190;
  Ticks(1);
  EXPECT_EQ(h.steer_west, 1);
  EXPECT_EQ(h.shove, 50);
  EXPECT_EQ(h.x, 5000 - 60);
  EXPECT_NEAR(h.mx, 4.9f, 1e-5);

  h.mx = 200;  // far away: the shove is gone, the course stays
  h.heli_heading = 190;
  Ticks(1);
  EXPECT_EQ(h.shove, 0);
  EXPECT_EQ(h.x, 5000 - 70);

  // On the vortex's own truncated column only the north and south rules apply.
  ClearHeliCourse(*g, 1);
  h.mx = 10.9f;
  h.my = 0.5f;
  Ticks(1);
  EXPECT_EQ(h.steer_west + h.steer_east + h.steer_north + h.steer_south, 0);
  h.my = 5;
  Ticks(1);
  EXPECT_EQ(h.steer_south, 1);
  EXPECT_EQ(h.steer_west + h.steer_east + h.steer_north, 0);
  EXPECT_EQ(h.shove, 50);
}

TEST_F(HelisTest, FlyingCloseCostsFuelOnlyInTheAir) {
  AddHeli(4.9f, -4.9f);
  AddHeli(-4.5f, 0);
  g->map_x = -0.9f;
  g->altitude = 3;
  Ticks(10);
  EXPECT_EQ(g->fuel, 150);
  g->altitude = 4;
  Ticks(10);
  EXPECT_EQ(g->fuel, 130);  // one unit per helicopter per tick

  g->helis.At(1).mx = 5;
  g->helis.At(2).mx = -5;
  Ticks(10);
  EXPECT_EQ(g->fuel, 130);
}

TEST_F(HelisTest, EngineVolumeIsDecidedByTheLastHelicopter) {
  AddHeli(50, 50, -599, 1229);  // just inside the 950-pixel box around (350, 280)
  AddHeli(50, 50, 5000, 0);
  Ticks(1);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).volume, -7000);

  std::swap(g->helis.At(1), g->helis.At(2));
  Ticks(1);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).volume, 0);

  g->helis.At(2).x = -600;
  Ticks(1);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).volume, -7000);
}

TEST_F(HelisTest, OnTheMapScreenTheyMoveButAreNotDrawn) {
  Heli& h = AddHeli(50, 50);
  h.steer_south = 1;
  h.heli_heading = 128;
  Ticks(1);
  EXPECT_EQ(h.heli_rotor, 35);
  EXPECT_EQ(h.y, 5010);
  g->map_shown = 1;
  Ticks(1);
  EXPECT_EQ(h.heli_rotor, 35);
  EXPECT_EQ(h.y, 5020);
  EXPECT_NEAR(h.my, 50.2f, 1e-5);
}

TEST_F(HelisTest, RandomCoursesComeNowAndThen) {
  Heli& h = AddHeli(0, 0, 0, 0);
  g->altitude = 3;
  int latched = 0;
  for (int i = 0; i < 20000 && latched == 0; ++i) {
    heli::HelisTick(*g);
    latched = h.steer_west + h.steer_east + h.steer_north + h.steer_south;
  }
  ASSERT_EQ(latched, 1);
  EXPECT_TRUE(h.dice == 1001 || h.dice == 2001 || h.dice == 3001 || h.dice == 4001);
  EXPECT_EQ(h.dice == 1001, h.steer_west == 1);
  EXPECT_EQ(h.dice == 2001, h.steer_east == 1);
  EXPECT_EQ(h.dice == 3001, h.steer_north == 1);
  EXPECT_EQ(h.dice == 4001, h.steer_south == 1);
}

}  // namespace
