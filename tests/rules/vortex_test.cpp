#include "world/vortex.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::u8;

std::unique_ptr<GameState> Playing() {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  g->vortex_count = 1;
  return g;
}

// Seeds the generator so that the next random(250) satisfies the test.
void SeedForDraw(GameState& g, const std::function<bool(int)>& wanted) {
  for (heli::u32 seed = 1;; ++seed) {
    g.RandSeed = seed;
    if (wanted(g.random(250))) {
      g.RandSeed = seed;
      return;
    }
  }
}

TEST(DriftVortices, RunsMoveByAFifthAndWrapUnevenly) {
  struct Case {
    float mx, my;
    u8 dir_x, dir_y;
    float want_mx, want_my;
  };
  const Case cases[] = {
      {100, 100, 0, 0, 100.2f, 100.2f}, {450, 0, 0, 0, -380, 0.2f},
      {-400, 0, 1, 0, 450, 0.2f},       {0, 260, 0, 0, 0.2f, -250},
      {0, -260, 0, 1, 0.2f, 250},       {449.7f, 259.7f, 0, 0, 449.9f, 259.9f},
  };
  for (const Case& c : cases) {
    auto g = Playing();
    heli::Vortex& v = g->vortices[0];
    v.mx = c.mx;
    v.my = c.my;
    v.dir_x = c.dir_x;
    v.dir_y = c.dir_y;
    v.run_x = 5;
    v.run_y = 5;
    heli::DriftVortices(*g);
    EXPECT_FLOAT_EQ(v.mx, c.want_mx) << c.mx << ", " << c.my;
    EXPECT_FLOAT_EQ(v.my, c.want_my) << c.mx << ", " << c.my;
    EXPECT_EQ(v.run_x, 4);
    EXPECT_EQ(v.run_y, 4);
  }
}

TEST(DriftVortices, ASpentRunDrawsANewOneWhoseLowByteRemains) {
  auto g = Playing();
  heli::Vortex& v = g->vortices[0];
  v.mx = 0;
  v.my = 0;
  v.run_x = 3;
  v.dir_x = 1;
  v.run_y = 0;
  v.dir_y = 0;

  // The draws for the north-south run come first.
  const heli::u32 seed = g->RandSeed;
  const u8 run = static_cast<u8>((g->random(40000) + 32) % 256);
  const u8 dir = static_cast<u8>(g->random(2));
  g->RandSeed = seed;

  heli::DriftVortices(*g);
  EXPECT_EQ(v.dir_y, dir);
  EXPECT_EQ(v.run_y, run == 0 ? 0 : run - 1);
  EXPECT_EQ(v.run_x, 2);
  EXPECT_FLOAT_EQ(v.mx, -0.2f);

  // A second vortex is moved too, but only while counted in.
  g->vortices[1].run_x = 9;
  g->vortices[1].mx = 5;
  heli::DriftVortices(*g);
  EXPECT_FLOAT_EQ(g->vortices[1].mx, 5);
  g->vortex_count = 2;
  heli::DriftVortices(*g);
  EXPECT_NE(g->vortices[1].mx, 5);
}

struct RingCase {
  float dist_x, dist_y;
  int rings;  // how many rings the helicopter is in
};

TEST(VortexEffect, RingsAddUpWithOneDrawPerVortex) {
  const RingCase cases[] = {{80, 0, 0}, {0, 80, 0}, {79, 0, 1},   {60, 59, 1}, {59, 0, 2},
                            {30, 0, 2}, {0, 30, 2}, {29, -29, 3}, {-29, 0, 3}, {0, 0, 3}};
  struct Draw {
    int low, high;
    int turn;         // heading change per ring
    bool pulls_down;  // altitude loss in the middle and inner rings
  };
  const Draw draws[] = {{0, 0, -3, false},
                        {1, 80, -3, true},
                        {81, 100, -3, false},
                        {101, 200, 3, false},
                        {201, 249, 0, false}};
  for (const RingCase& c : cases) {
    for (const Draw& d : draws) {
      auto g = Playing();
      g->vortices[0].mx = 150.5f;
      g->vortices[0].my = -20.7f;
      // Map positions count in whole units, truncated towards zero.
      g->map_x = 150.5f + c.dist_x;
      g->map_y = -20 + c.dist_y;
      g->altitude = 30;
      g->speed = 10;
      g->heading = 2;
      SeedForDraw(*g, [&](int v) { return v >= d.low && v <= d.high; });
      heli::VortexEffectTick(*g);
      const std::string where = std::to_string(c.dist_x) + ", " + std::to_string(c.dist_y) +
                                " draw " + std::to_string(d.low);
      EXPECT_EQ(g->vortex_warning, c.rings > 0 ? 1 : 0) << where;
      EXPECT_EQ(g->heading, static_cast<u8>(2 + c.rings * d.turn)) << where;
      const int pulls = d.pulls_down ? (c.rings >= 2) + (c.rings >= 3) : 0;
      EXPECT_EQ(g->altitude, 30 - pulls) << where;
      EXPECT_EQ(g->speed, 10 - (d.pulls_down && c.rings == 3 ? 1 : 0)) << where;
    }
  }
}

TEST(VortexEffect, NoFloorOnAltitudeOrSpeed) {
  auto g = Playing();
  g->vortices[0].mx = 0;
  g->vortices[0].my = 0;
  g->altitude = 7;
  g->speed = 0;
  SeedForDraw(*g, [](int v) { return v >= 1 && v <= 80; });
  heli::VortexEffectTick(*g);
  EXPECT_EQ(g->altitude, 5);
  EXPECT_EQ(g->speed, -1);
}

TEST(VortexEffect, WindSwellsNearAndDiesAwaySlowly) {
  auto g = Playing();
  g->vortices[0].mx = 0;
  g->vortices[0].my = 0;
  g->vortex_volume = -7000;
  g->map_x = 89.5f;  // 89 whole units away: near
  for (int i = 1; i <= 87; ++i) heli::VortexEffectTick(*g);
  EXPECT_EQ(g->vortex_volume, -40);
  heli::VortexEffectTick(*g);
  EXPECT_EQ(g->vortex_volume, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kTamrox).volume, 0);
  EXPECT_EQ(g->vortex_warning, 0);  // heard, but outside every ring

  g->map_y = -90;  // 90 units away on one axis: far
  for (int i = 1; i <= 233; ++i) heli::VortexEffectTick(*g);
  EXPECT_EQ(g->vortex_volume, -6990);
  heli::VortexEffectTick(*g);
  EXPECT_EQ(g->vortex_volume, -7000);
  EXPECT_EQ(g->sounds.Setting(heli::kTamrox).volume, -7000);
}

TEST(VortexEffect, EachVortexActsInTurn) {
  auto g = Playing();
  g->vortex_count = 2;
  g->vortices[0].mx = 0;  // the helicopter sits in this one's middle ring
  g->vortices[0].my = 40;
  g->vortices[1].mx = 300;  // far away: it fades the wind again
  g->vortices[1].my = 0;
  g->vortex_volume = -1000;
  heli::VortexEffectTick(*g);
  EXPECT_EQ(g->vortex_volume, -1000 + 80 - 30);
  EXPECT_EQ(g->vortex_warning, 1);  // the far one does not clear it
}

}  // namespace
