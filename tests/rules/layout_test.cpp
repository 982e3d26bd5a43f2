#include "levels/layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::u8;

struct XY {
  int x, y;
};

struct Expected {
  int tiles, helis, vortices, objects, people, endangered;
  bool timed;
  int clock_on, interval;
  XY fuel_pad, fuel_building, base_pad, base_building;
};

// Levels 1 .. 9; the buildings at their absolute positions.
const Expected kLevels[9] = {
    {168,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     {-18900, -2200},
     {15000, -800},
     {15100, -930}},
    {168, 3, 1, 19, 30, 11, true, 1, 17, {25040, -250}, {25140, -330}, {1000, 3500}, {1105, 3395}},
    {120,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     {-18900, -2200},
     {8000, 15000},
     {8100, 14870}},
    {60,
     3,
     1,
     9,
     19,
     15,
     true,
     1,
     50,
     {12040, -2080},
     {12140, -2160},
     {-5000, 15000},
     {-4895, 14895}},
    {120,
     2,
     1,
     18,
     16,
     16,
     false,
     0,
     0,
     {-19000, -2080},
     {-18900, -2200},
     {4000, 17000},
     {4100, 16870}},
    {60, 3, 1, 5, 7, 5, true, 0, 17, {-12040, -2080}, {-11940, -2160}, {10000, 1000}, {10105, 895}},
    {120, 2, 1, 18, 12, 12, false, 0, 0, {19000, 1000}, {19100, 880}, {8000, 15000}, {8100, 14870}},
    {40,
     4,
     1,
     8,
     19,
     19,
     true,
     0,
     50,
     {12040, -2080},
     {12140, -2160},
     {13000, 12000},
     {13105, 11895}},
    {120,
     4,
     2,
     18,
     9,
     9,
     false,
     0,
     0,
     {-19000, -2080},
     {-18900, -2200},
     {-14000, 17000},
     {-13900, 16870}},
};

std::unique_ptr<GameState> LaidOut(int level, std::uint32_t seed = 1) {
  auto g = heli::testing::NewGame(seed);
  heli::testing::EnterPlay(*g);
  g->level = static_cast<u8>(level);
  heli::LayoutLevel(*g);
  return g;
}

void ExpectAt(const heli::WorldObject& o, XY at, const std::string& what) {
  EXPECT_EQ(o.x, at.x) << what;
  EXPECT_EQ(o.y, at.y) << what;
  EXPECT_EQ(o.mx, static_cast<float>(at.x / 100)) << what;
  EXPECT_EQ(o.my, static_cast<float>(at.y / 100)) << what;
}

TEST(Layout, EveryLevelsCountsClockAndFixedObjects) {
  for (int level = 1; level <= 9; ++level) {
    const Expected& e = kLevels[level - 1];
    auto g = heli::testing::NewGame();
    g->cass.Enabled = true;
    g->crashed = 1;
    g->map_shown = 1;
    g->free_seats = 1;
    g->heads_shown[1] = true;
    g->scroll_dx = 5;
    g->rescued = 3;
    g->level = static_cast<u8>(level);
    heli::LayoutLevel(*g);
    const std::string what = "level " + std::to_string(level);

    EXPECT_EQ(g->tile_count, e.tiles) << what;
    EXPECT_EQ(g->heli_count, e.helis) << what;
    EXPECT_EQ(g->vortex_count, e.vortices) << what;
    EXPECT_EQ(g->object_count, e.objects) << what;
    EXPECT_EQ(g->people_count, e.people) << what;
    EXPECT_EQ(g->endangered, e.endangered) << what;
    EXPECT_EQ(g->endangered_label, e.endangered) << what;
    EXPECT_EQ(g->rescued, 0) << what;
    EXPECT_EQ(g->rescued_label, 0) << what;
    EXPECT_EQ(g->level_label, level) << what;

    EXPECT_EQ(g->clock_on, e.clock_on) << what;
    if (e.timed) {
      EXPECT_EQ(g->clock_ticks, 5) << what;
      EXPECT_EQ(g->next_event, e.interval) << what;
      EXPECT_EQ(g->event_interval, e.interval) << what;
      EXPECT_EQ(g->next_person, 1) << what;
      EXPECT_TRUE(g->cass.Enabled) << what;  // left to the level flow
    } else {
      EXPECT_FALSE(g->cass.Enabled) << what;
    }

    EXPECT_EQ(g->scroll_dx, 0) << what;
    EXPECT_EQ(g->scroll_dy, 0) << what;
    EXPECT_EQ(g->heli_screen_x, 350) << what;
    EXPECT_EQ(g->heli_screen_y, 280) << what;
    EXPECT_EQ(g->view_x, 0) << what;
    EXPECT_EQ(g->view_y, 0) << what;
    EXPECT_EQ(g->map_shown, 0) << what;
    EXPECT_EQ(g->crashed, 0) << what;
    EXPECT_EQ(g->free_seats, 4) << what;
    EXPECT_FALSE(g->heads_shown[0] || g->heads_shown[1] || g->heads_shown[2] || g->heads_shown[3])
        << what;

    ExpectAt(g->objects.At(1), e.fuel_pad, what + " fuel pad");
    ExpectAt(g->objects.At(2), e.fuel_building, what + " fuel building");
    ExpectAt(g->objects.At(3), e.base_pad, what + " base pad");
    ExpectAt(g->objects.At(4), e.base_building, what + " base building");
    const u8 images[4] = {17, 20, 13, 16}, tall[4] = {0, 1, 0, 1}, on_map[4] = {1, 0, 1, 0};
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(g->objects.At(n).image, images[n - 1]) << what << " record " << n;
      EXPECT_EQ(g->objects.At(n).tall, tall[n - 1]) << what << " record " << n;
      EXPECT_EQ(g->objects.At(n).on_map, on_map[n - 1]) << what << " record " << n;
    }
    EXPECT_EQ(g->objects.At(2).clearance, 15) << what;
    EXPECT_EQ(g->objects.At(4).clearance, 15) << what;
    for (int n = 5; n <= e.objects; ++n) {
      EXPECT_EQ(g->objects.At(n).clearance, 15) << what << " record " << n;
    }

    for (int i = 0; i < e.vortices; ++i) {
      const heli::Vortex& v = g->vortices[i];
      EXPECT_EQ(v.x, 15000) << what;
      EXPECT_EQ(v.y, 14000) << what;
      EXPECT_EQ(v.mx, 150.0f) << what;
      EXPECT_EQ(v.my, 140.0f) << what;
      EXPECT_EQ(v.run_x + v.run_y + v.dir_x + v.dir_y, 0) << what;
    }
  }
}

TEST(Layout, TilesFillTheirGridRowByRow) {
  struct TileAt {
    int level, tile;  // tile numbered from 1
    int x, y, image;
  };
  const TileAt samples[] = {
      {1, 1, -17000, -12000, 26}, {1, 21, 27000, -12000, 28}, {1, 22, -17000, -8600, 26},
      {1, 168, 27000, 11800, 28}, {2, 168, 27000, 11800, 28}, {3, 106, -17000, 13000, 26},
      {3, 120, 13800, 13000, 28}, {5, 120, 13800, 13000, 28}, {4, 8, -23000, -11600, 27},
      {6, 60, 1000, 12200, 28},   {8, 1, -23000, -8000, 26},  {8, 36, -23000, 9000, 28},
      {8, 40, 9000, 9000, 26},    {9, 2, -14800, -12000, 27},
  };
  for (const TileAt& s : samples) {
    auto g = LaidOut(s.level);
    const heli::Tile& t = g->tiles.At(s.tile);
    const std::string what = "level " + std::to_string(s.level) + " tile " + std::to_string(s.tile);
    EXPECT_EQ(t.x, s.x) << what;
    EXPECT_EQ(t.y, s.y) << what;
    EXPECT_EQ(t.image, s.image) << what;
    EXPECT_EQ(t.mx, static_cast<float>(s.x / 100)) << what;
    EXPECT_EQ(t.my, static_cast<float>(s.y / 100)) << what;
  }
  // Level 8's sixth row holds 5 tiles: the 41st slot is not part of the level.
  auto g = LaidOut(8);
  EXPECT_EQ(g->tile_count, 40);
}

struct IslandLevel {
  int level;
  std::vector<XY> islands;  // records 5 .. 16
  int spot17_on, spot18_on;
  int group_sizes[4];
};

const IslandLevel kIslandLevels[] = {
    {1,
     {{-10000, 15000},
      {-7000, 15000},
      {-4000, 15000},
      {-1000, 15000},
      {2000, 15000},
      {5000, 15000},
      {8000, 15000},
      {-10000, 18000},
      {-7000, 18000},
      {-4000, 18000},
      {-1000, 18000},
      {2000, 18000}},
     5,
     7,
     {4, 4, 4, 4}},
    {3,
     {{-18000, -10000},
      {-10000, -10000},
      {-2000, -10000},
      {6000, -10000},
      {14000, -10000},
      {22000, -10000},
      {30000, -10000},
      {-10000, 0},
      {-2000, 0},
      {6000, 0},
      {14000, 0},
      {22000, 0}},
     5,
     7,
     {4, 4, 4, 4}},
    {5,
     {{-10000, -10000},
      {-2000, -10000},
      {6000, -10000},
      {14000, -10000},
      {7000, 500},
      {15000, 500},
      {23000, 500},
      {-7000, 11000},
      {1000, 11000},
      {9000, 11000},
      {17000, 11000},
      {25000, 11000}},
     10,
     12,
     {4, 4, 4, 4}},
    {7,
     {{-10000, -10000},
      {-2000, -10000},
      {6000, -10000},
      {14000, -10000},
      {-10000, 0},
      {-2000, 0},
      {6000, 0},
      {-10000, 10000},
      {-2000, 10000},
      {6000, 10000},
      {-10000, 20000},
      {-2000, 20000}},
     8,
     13,
     {3, 3, 3, 3}},
    {9,
     {{-15000, -10000},
      {-7000, -10000},
      {1000, -10000},
      {9000, -10000},
      {2000, 500},
      {10000, 500},
      {18000, 500},
      {-5000, 11000},
      {3000, 11000},
      {11000, 11000},
      {19000, 11000},
      {27000, 11000}},
     9,
     14,
     {2, 2, 2, 3}},
};

void ExpectPersonReset(const heli::Person& p, const std::string& what) {
  EXPECT_EQ(p.fall_step, 0) << what;
  EXPECT_EQ(p.aboard, 0) << what;
  EXPECT_EQ(p.doomed, 0) << what;
  EXPECT_LT(p.wave_phase, 20) << what;
}

TEST(Layout, IslandLevelsPlaceIslandsSpotsAndPeopleBesideTheSpots) {
  for (const IslandLevel& l : kIslandLevels) {
    for (std::uint32_t seed : {1u, 7u, 12345u}) {
      auto g = heli::testing::NewGame(seed);
      g->level = static_cast<u8>(l.level);
      g->people.At(1).fall_w = 77;  // kept in the island levels
      heli::LayoutLevel(*g);
      const std::string what = "level " + std::to_string(l.level);
      for (int k = 0; k < 12; ++k) {
        const heli::WorldObject& o = g->objects.At(5 + k);
        ExpectAt(o, l.islands[k], what + " island " + std::to_string(5 + k));
        EXPECT_GE(o.image, 8) << what;
        EXPECT_LE(o.image, 12) << what;
        EXPECT_EQ(o.tall, 1) << what;
        EXPECT_EQ(o.on_map, 1) << what;
      }
      const int on[2] = {l.spot17_on, l.spot18_on};
      for (int s = 0; s < 2; ++s) {
        const heli::WorldObject& spot = g->objects.At(17 + s);
        const XY island = l.islands[on[s] - 5];
        ExpectAt(spot, {island.x + 50, island.y + 105}, what + " spot");
        EXPECT_EQ(spot.image, 13) << what;
        EXPECT_EQ(spot.tall, 0) << what;
        EXPECT_EQ(spot.on_map, 0) << what;
      }
      int n = 1;
      for (int group = 0; group < 4; ++group) {
        const heli::WorldObject& spot = g->objects.At(group < 2 ? 17 : 18);
        const int x = spot.x + (group % 2 == 0 ? 80 : 0);
        for (int k = 0; k < l.group_sizes[group]; ++k, ++n) {
          const heli::Person& p = g->people.At(n);
          const std::string who = what + " person " + std::to_string(n);
          EXPECT_EQ(p.x, x) << who;
          EXPECT_GE(p.y, spot.y - 30) << who;
          EXPECT_LT(p.y, spot.y + 90) << who;
          ExpectPersonReset(p, who);
        }
      }
      EXPECT_EQ(n - 1, g->people_count) << what;
      EXPECT_EQ(g->people.At(1).fall_w, 77) << what;
    }
  }
}

TEST(Layout, IslandPicturesAreDrawnFromAllFive) {
  bool seen[5] = {};
  for (std::uint32_t seed = 1; seed <= 10; ++seed) {
    auto g = LaidOut(1, seed);
    for (int n = 5; n <= 16; ++n) seen[g->objects.At(n).image - 8] = true;
  }
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(seen[i]) << 8 + i;
}

struct FixedObject {
  int record;
  XY at;
  int image, tall, on_map;
};

struct PeopleBox {
  int first, last;
  int anchor;  // record the box is relative to, 0 = absolute
  int x, x_spread, y, y_spread;
};

struct TimedLevel {
  int level;
  std::vector<FixedObject> objects;
  std::vector<PeopleBox> people;
};

const TimedLevel kTimedLevels[] = {
    {2,
     {{5, {14970, -10680}, 8, 0, 1},
      {6, {15400, -10800}, 13, 0, 0},
      {10, {16200, -10800}, 13, 0, 0},
      {11, {14000, -10800}, 13, 0, 0},
      {13, {14400, -10800}, 13, 0, 0},
      {14, {14850, -10330}, 14, 0, 0},
      {16, {14850, -9970}, 14, 0, 0},
      {17, {14850, -11440}, 15, 0, 0},
      {19, {14850, -11080}, 15, 0, 0}},
     {{1, 30, 0, 15050, 30, -10600, 60}}},
    {4,
     {{5, {-10000, -100}, 8, 1, 1},
      {6, {15000, -15000}, 13, 1, 1},
      {7, {-18000, 15000}, 13, 1, 1},
      {8, {20000, 1000}, 13, 1, 1},
      {9, {15000, 15000}, 13, 1, 1}},
     {{1, 9, 5, 55, 45, 130, 55},
      {10, 13, 6, 55, 45, 130, 55},
      {14, 16, 7, 55, 45, 130, 55},
      {17, 19, 8, 55, 45, 130, 55}}},
    {6, {{5, {-2000, -15000}, 8, 0, 1}}, {{1, 7, 0, -1945, 25, -14800, 35}}},
    {8,
     {{5, {-15000, 15000}, 0, 1, 1},
      {6, {-10000, 15000}, 4, 1, 0},
      {7, {0, 14500}, 8, 1, 0},
      {8, {5000, 15000}, 12, 1, 0}},
     {{1, 9, 0, -14820, 45, 15100, 25},
      {10, 11, 0, -9960, 20, 15010, 25},
      {12, 16, 0, 60, 20, 14560, 25},
      {17, 19, 0, 5050, 20, 15080, 80}}},
};

TEST(Layout, TimedLevelsPlaceTheirObjectsAndPeopleInTheirBoxes) {
  for (const TimedLevel& l : kTimedLevels) {
    auto g = heli::testing::NewGame();
    g->level = static_cast<u8>(l.level);
    g->frame_tick = 3;
    g->special_count = 4;
    heli::LayoutLevel(*g);
    const std::string what = "level " + std::to_string(l.level);
    for (const FixedObject& f : l.objects) {
      const heli::WorldObject& o = g->objects.At(f.record);
      const std::string which = what + " record " + std::to_string(f.record);
      ExpectAt(o, f.at, which);
      EXPECT_EQ(o.image, f.image) << which;
      EXPECT_EQ(o.tall, f.tall) << which;
      EXPECT_EQ(o.on_map, f.on_map) << which;
    }
    for (const PeopleBox& b : l.people) {
      int x0 = b.x, y0 = b.y;
      if (b.anchor != 0) {
        x0 += g->objects.At(b.anchor).x;
        y0 += g->objects.At(b.anchor).y;
      }
      for (int n = b.first; n <= b.last; ++n) {
        const heli::Person& p = g->people.At(n);
        const std::string who = what + " person " + std::to_string(n);
        EXPECT_GE(p.x, x0) << who;
        EXPECT_LT(p.x, x0 + b.x_spread) << who;
        EXPECT_GE(p.y, y0) << who;
        EXPECT_LT(p.y, y0 + b.y_spread) << who;
        EXPECT_EQ(p.fall_w, 35) << who;
        EXPECT_EQ(p.fall_h, 24) << who;
        ExpectPersonReset(p, who);
      }
    }
    EXPECT_EQ(g->frame_tick, l.level == 2 ? 0 : 3) << what;
    EXPECT_EQ(g->special_count, l.level == 4 || l.level == 8 ? 0 : 4) << what;
  }
}

TEST(Layout, OtherHelicoptersStartInTheirQuarters) {
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    auto g = LaidOut(9, seed);  // four helicopters
    ASSERT_EQ(g->heli_count, 4);
    const heli::Heli& first = g->helis.At(1);
    EXPECT_EQ(first.x, -1);
    EXPECT_EQ(first.mx, 0.0f);
    EXPECT_GT(first.y, -30000);
    EXPECT_LE(first.y, 0);
    const heli::Heli& second = g->helis.At(2);
    EXPECT_GT(second.x, -30000);
    EXPECT_LE(second.x, 0);
    EXPECT_LE(second.y, 0);
    for (int i = 3; i <= 4; ++i) {
      const heli::Heli& h = g->helis.At(i);
      EXPECT_GE(h.x, 0);
      EXPECT_LT(h.x, 30000);
      EXPECT_GE(h.y, 0);
      EXPECT_LT(h.y, 30000);
    }
    for (int i = 1; i <= 4; ++i) {
      const heli::Heli& h = g->helis.At(i);
      EXPECT_GE(h.pace, 5);
      EXPECT_LT(h.pace, 20);
      EXPECT_EQ(h.mx, static_cast<float>(h.x / 100));
      EXPECT_EQ(h.my, static_cast<float>(h.y / 100));
      EXPECT_EQ(h.heli_heading, 0);
      EXPECT_EQ(h.heli_rotor, 0);
      EXPECT_EQ(h.steer_west + h.steer_east + h.steer_north + h.steer_south, 0);
    }
  }
}

TEST(Layout, ALevelOutsideOneToNineOnlySetsTheLabel) {
  for (int level : {0, 10, 255}) {
    auto g = heli::testing::NewGame();
    g->level = static_cast<u8>(level);
    g->tile_count = 3;
    g->endangered = 7;
    g->heli_screen_x = 0;
    heli::LayoutLevel(*g);
    EXPECT_EQ(g->level_label, level);
    EXPECT_EQ(g->tile_count, 3);
    EXPECT_EQ(g->endangered, 7);
    EXPECT_EQ(g->heli_screen_x, 0);
  }
}

TEST(Layout, AnimationStateAndLandingMarksSurviveALayout) {
  auto g = heli::testing::NewGame();
  g->objects.At(4).frame = 6;
  g->objects.At(17).tick = 2;
  g->objects.At(3).landed_ok = 1;
  g->vortices[0].spin = 99;
  g->level = 3;
  heli::LayoutLevel(*g);
  EXPECT_EQ(g->objects.At(4).frame, 6);
  EXPECT_EQ(g->objects.At(17).tick, 2);
  EXPECT_EQ(g->objects.At(3).landed_ok, 1);
  EXPECT_EQ(g->vortices[0].spin, 99);
}

}  // namespace
