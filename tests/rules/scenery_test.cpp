#include "game/scenery.h"

#include <gtest/gtest.h>

#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;

std::unique_ptr<GameState> Playing() {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  return g;
}

TEST(Particles, ScrollAndWrapUnevenly) {
  auto g = Playing();
  struct Case {
    int x, y, scroll_dx, scroll_dy, want_x, want_y;
  };
  const Case cases[] = {
      {100, 640, 0, -15, 100, -30},  // flying up the screen: 655 is past the bottom
      {100, 635, 0, -15, 100, 650},  // exactly 650 stays
      {100, -36, 0, 15, 100, 550},   // -51 comes back inside the bottom edge
      {100, -35, 0, 15, 100, -50},  {840, 100, 15, 0, -30, 100},
      {-40, 100, -15, 0, 830, 100}, {-35, 100, -15, 0, -50, 100},
  };
  for (const Case& c : cases) {
    g->particles[7].x = c.x;
    g->particles[7].y = c.y;
    g->scroll_dx = c.scroll_dx;
    g->scroll_dy = c.scroll_dy;
    heli::ParticlesTick(*g);
    heli::WrapParticles(*g);
    EXPECT_EQ(g->particles[7].x, c.want_x) << c.x << ", " << c.y;
    EXPECT_EQ(g->particles[7].y, c.want_y) << c.x << ", " << c.y;
  }
}

TEST(Particles, EveryParticleMovesAndItsPhaseRestartsAfter50) {
  auto g = Playing();
  for (int i = 0; i < g->particles.capacity; ++i) {
    g->particles[i] = {static_cast<heli::u8>(i), 300, 300};
  }
  g->particles[39].phase = 50;
  g->scroll_dx = 4;
  g->scroll_dy = 2;
  heli::ParticlesTick(*g);
  for (int i = 0; i < 39; ++i) {
    EXPECT_EQ(g->particles[i].phase, i + 1);
    EXPECT_EQ(g->particles[i].x, 304);
    EXPECT_EQ(g->particles[i].y, 298);
  }
  EXPECT_EQ(g->particles[39].x, 304);

  // Phase 51 restarts at random(30); over many restarts the whole range shows.
  bool seen[30] = {};
  for (int n = 0; n < 2000; ++n) {
    g->particles[0].phase = 50;
    heli::ParticlesTick(*g);
    ASSERT_LT(g->particles[0].phase, 30);
    seen[g->particles[0].phase] = true;
  }
  for (int p = 0; p < 30; ++p) EXPECT_TRUE(seen[p]) << p;
}

TEST(Tiles, OnlyTilesInUseMoveAndFarOnesKeepMoving) {
  auto g = Playing();
  g->tile_count = 3;
  g->tiles[0].x = 0;
  g->tiles[1].x = 2000000;  // far off the screen: still moved
  g->tiles[2].y = -500;
  g->tiles[3].x = 77;
  g->scroll_dx = -6;
  g->scroll_dy = 9;
  heli::TilesTick(*g);
  heli::TilesTick(*g);
  EXPECT_EQ(g->tiles[0].x, -12);
  EXPECT_EQ(g->tiles[0].y, -18);
  EXPECT_EQ(g->tiles[1].x, 1999988);
  EXPECT_EQ(g->tiles[2].y, -518);
  EXPECT_EQ(g->tiles[3].x, 77);
  EXPECT_EQ(g->tiles[3].y, 0);
  // Scrolling never changes the map position.
  EXPECT_EQ(g->tiles[0].mx, 0.0f);

  g->tile_count = 255;  // more than the array holds: the extra ones are not there
  heli::TilesTick(*g);
  EXPECT_EQ(g->tiles[199].x, -6);
}

}  // namespace
