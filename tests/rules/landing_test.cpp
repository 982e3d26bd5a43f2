#include "game/landing.h"

#include <gtest/gtest.h>

#include "tests/rules/rescue_setup.h"
#include "tests/rules/rules_game.h"

namespace {

using heli::GameState;
using heli::testing::PlaceObject;

struct LandingTest : ::testing::Test {
  void SetUp() override {
    g = heli::testing::NewGame();
    heli::testing::EnterPlay(*g);
    heli::testing::SizeFixedPictures(*g);
    g->crashed = 0;
  }
  // A grass tile whose inner area (20 pixels in from every edge) holds the
  // helicopter when placed at (-100, -100).
  void AddTile(int x, int y) {
    ++g->tile_count;
    g->tiles.At(g->tile_count) = heli::Tile{26, x, y, 0, 0};
  }
  void Pads(int n = 1) {
    for (int i = 0; i < n; ++i) heli::PadsTick(*g);
  }
  std::unique_ptr<GameState> g;
};

TEST_F(LandingTest, LowOverTheSeaDitchesLowOverLandIsSafe) {
  g->altitude = 7;
  Pads();
  EXPECT_EQ(g->crashed, 0);
  g->altitude = 6;
  Pads();
  EXPECT_EQ(g->crashed, 1);

  AddTile(-100, -100);
  Pads();  // also clears a crash left by an earlier tick
  EXPECT_EQ(g->crashed, 0);

  g->tiles.At(1).x = -20;  // the helicopter is now on the tile's 20-pixel rim
  Pads();
  EXPECT_EQ(g->crashed, 1);
  g->tiles.At(1).x = -21;
  Pads();
  EXPECT_EQ(g->crashed, 0);
}

TEST_F(LandingTest, BasePadNeedsTheLandingBoxAndAHeadingDownTheScreen) {
  heli::WorldObject& pad = PlaceObject(*g, 3, 13, -50, -60);  // landing box (-15, -10)..(42, 42)
  g->altitude = 5;
  struct Case {
    int heading;
    bool safe;
  };
  for (const Case c :
       {Case{119, false}, Case{120, true}, Case{128, true}, Case{135, true}, Case{136, false}}) {
    g->heading = static_cast<heli::u8>(c.heading);
    Pads();
    EXPECT_EQ(g->crashed, c.safe ? 0 : 1) << c.heading;
    EXPECT_EQ(pad.landed_ok, c.safe ? 1 : 0) << c.heading;
    EXPECT_EQ(g->over_pad, 1);
    EXPECT_EQ(g->sounds.Setting(heli::kSirena).volume, c.safe ? -7000 : -700) << c.heading;
  }

  g->heading = 128;
  pad.x = -15;  // over the pad, on the edge of its landing box
  Pads();
  EXPECT_EQ(g->crashed, 1);
  EXPECT_EQ(pad.landed_ok, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kSirena).volume, -700);

  pad.x = 1;  // off the pad: no siren, nothing over a pad
  Pads();
  EXPECT_EQ(g->over_pad, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kSirena).volume, -7000);
}

TEST_F(LandingTest, FuelBuildingMustBeOverflownAtFifteen) {
  PlaceObject(*g, 2, 20, -50, -50, 1);
  g->altitude = 14;
  Pads();
  EXPECT_EQ(g->crashed, 1);
  EXPECT_EQ(g->over_pad, 1);
  g->crashed = 0;
  g->altitude = 15;
  Pads();
  EXPECT_EQ(g->crashed, 0);

  // Over land the low-flight rule comes last and forgives the building too.
  AddTile(-100, -100);
  g->altitude = 14;
  Pads();
  EXPECT_EQ(g->crashed, 0);
}

TEST_F(LandingTest, RefuellingNeedsAllFourConditionsAndStopsAtFull) {
  PlaceObject(*g, 1, 17, -50, -60);
  auto standing = [this] {
    g->altitude = 5;
    g->rotor_rpm = 4;
    g->heading = 128;
    g->fuel = 140;
    g->fuel_tick = 0;
  };
  standing();
  Pads(5);
  EXPECT_EQ(g->fuel, 140);
  Pads();
  EXPECT_EQ(g->fuel, 141);  // one unit every sixth tick
  EXPECT_EQ(g->fuel_tick, 0);
  Pads(54);
  EXPECT_EQ(g->fuel, 150);
  Pads(60);
  EXPECT_EQ(g->fuel, 150);
  EXPECT_EQ(g->fuel_tick, 0);

  standing();
  g->altitude = 6;
  Pads(60);
  EXPECT_EQ(g->fuel, 140);
  standing();
  g->rotor_rpm = 5;
  Pads(60);
  EXPECT_EQ(g->fuel, 140);
  standing();
  g->heading = 119;  // not correctly landed
  Pads(60);
  EXPECT_EQ(g->fuel, 140);
  EXPECT_EQ(g->fuel_tick, 0);
}

// ---- Level hazards.

struct HazardTest : LandingTest {
  void SetUp() override {
    LandingTest::SetUp();
    heli::testing::SizePicture(g->poz_sizes, 8, 200, 100);
    heli::testing::SizePicture(g->poz_sizes, 9, 100, 100);
    g->altitude = 25;
  }
  // Record 5 and further scenery records far away, up to record `count`.
  void Scenery(int count, int x5, int y5) {
    PlaceObject(*g, 5, 8, x5, y5);
    for (int i = 6; i <= count; ++i) PlaceObject(*g, i, 9, 9000 + 200 * i, 9000);
    g->object_count = static_cast<heli::u8>(count);
  }
  void Hazards(int n = 1) {
    for (int i = 0; i < n; ++i) heli::HazardsTick(*g);
  }
};

TEST_F(HazardTest, FireIsHeardOncePerSceneryRecordEachTick) {
  g->level = 2;
  g->level2_volume = -7000;
  Scenery(19, 400, -50);  // within 500 of the fire
  Hazards();
  EXPECT_EQ(g->level2_volume, -7000 + 15 * 80);
  EXPECT_EQ(g->sounds.Setting(heli::kOhen).volume, g->level2_volume);
  Hazards(10);
  EXPECT_EQ(g->level2_volume, -700);

  g->objects.At(5).x = 501;
  Hazards();
  EXPECT_EQ(g->level2_volume, -700 - 15 * 30);

  g->level = 4;
  g->level4_volume = -6990;
  Scenery(9, 5000, 0);
  Hazards();
  EXPECT_EQ(g->level4_volume, -7000);
  EXPECT_EQ(g->level2_volume, -700 - 15 * 30);
}

TEST_F(HazardTest, FireThrowsTheHelicopterAboutClose) {
  for (int level : {2, 4}) {
    SetUp();
    g->level = static_cast<heli::u8>(level);
    Scenery(5, -210, -50);  // the helicopter is within 20 pixels of the fire's right edge
    Hazards(3000);
    EXPECT_GT(g->speed, 0) << level;
    EXPECT_EQ(g->speed % (level == 2 ? 3 : 2), 0) << level;
    EXPECT_NE(g->heading, 128) << level;

    g->speed = 0;
    g->objects.At(5).x = -221;
    Hazards(3000);
    EXPECT_EQ(g->speed, 0) << level;
  }
}

TEST_F(HazardTest, BoatBeyondTheLimitLosesTheHelicopterWhilePeopleAreLeft) {
  g->level = 6;
  g->endangered = 2;
  Scenery(5, 0, 24000);
  Hazards();
  EXPECT_EQ(g->crashed, 0);
  g->objects.At(5).y = 24001;
  Hazards();
  EXPECT_EQ(g->crashed, 1);

  g->crashed = 0;
  g->endangered = 0;
  Hazards();
  EXPECT_EQ(g->crashed, 0);

  g->endangered = 2;
  g->object_count = 4;  // no scenery, no hazards
  Hazards();
  EXPECT_EQ(g->crashed, 0);
}

TEST_F(HazardTest, BoatShootsAtAHelicopterHangingOverIt) {
  g->level = 6;
  Scenery(5, -100, -250);  // the helicopter is in the zone south of the boat
  int hits = 0;
  for (int i = 0; i < 3000; ++i) {
    Hazards();
    hits += g->hit_flag;
  }
  const int shots = g->sounds.Setting(heli::kVystrel).starts;
  EXPECT_GT(shots, 0);
  EXPECT_GT(hits, shots);           // near misses also count as hits
  EXPECT_EQ(g->fuel, 150 - shots);  // each shot costs one unit of fuel
  EXPECT_EQ(g->sounds.Setting(heli::kVystrel).volume, -1500);
  EXPECT_EQ(g->speed % 3, 0);
  EXPECT_GT(g->speed, 0);

  g->objects.At(5).y = -301;  // 200 below the boat's bottom is out of range
  Hazards(3000);
  EXPECT_EQ(g->sounds.Setting(heli::kVystrel).starts, shots);
  EXPECT_EQ(g->hit_flag, 0);
}

TEST_F(HazardTest, TallSceneryIsAnObstacleInsideItsTwentyPixelRim) {
  g->level = 1;
  Scenery(6, 5000, 5000);
  PlaceObject(*g, 6, 9, -50, -50, 1);
  g->altitude = 14;
  Hazards();
  EXPECT_EQ(g->crashed, 1);

  g->crashed = 0;
  g->altitude = 15;
  Hazards();
  EXPECT_EQ(g->crashed, 0);

  g->altitude = 10;
  g->objects.At(6).x = -20;  // the helicopter on the rim
  Hazards();
  EXPECT_EQ(g->crashed, 0);

  g->objects.At(6).x = -50;
  g->objects.At(6).tall = 0;
  Hazards();
  EXPECT_EQ(g->crashed, 0);

  // Land does not forgive an obstacle: it is tested after the low-flight rule.
  g->objects.At(6).tall = 1;
  AddTile(-100, -100);
  heli::PadsTick(*g);
  Hazards();
  EXPECT_EQ(g->crashed, 1);
}

}  // namespace
