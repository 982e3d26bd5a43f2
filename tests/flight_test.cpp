#include "game/flight.h"

#include <gtest/gtest.h>

#include "levels/layout.h"
#include "shell/main_window.h"
#include "shell/step.h"
#include "tests/test_game.h"

namespace {

using heli::TForm1;

constexpr int kUp = 38, kDown = 40, kLeft = 37, kRight = 39, kFaster = 65, kSlower = 90,
              kRotorUp = 33, kRotorDown = 34;

std::unique_ptr<TForm1> Playing() {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  return g;
}

void Hold(TForm1& g, int key) {
  g.DXInput1.KeyDown(key);
  heli::PollInput(g);
}

void Release(TForm1& g, int key) {
  g.DXInput1.KeyUp(key);
  heli::PollInput(g);
}

TEST(FlightControls, TurningNeedsMoreThanAltitudeSeven) {
  auto g = Playing();
  g->altitude = 7;
  Hold(*g, kLeft);
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->heading, 128);
  Release(*g, kLeft);

  // The climb is applied before the turn, so climbing to 8 lets the turn act.
  Hold(*g, kRight);
  Hold(*g, kUp);
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->altitude, 8);
  EXPECT_EQ(g->heading, 130);
  Release(*g, kRight);
  Release(*g, kUp);

  Hold(*g, kLeft);
  g->heading = 1;
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->heading, 255);  // wraps
}

TEST(FlightControls, ClimbAndDescentStayWithinTheirLimits) {
  auto g = Playing();
  g->altitude = 6;
  g->altitude_max = 7;
  g->fanfare_played = 1;
  g->sounds.SetVolume(heli::kHudbaHra, -7000);
  Hold(*g, kUp);
  heli::ApplyFlightControls(*g);
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->altitude, 7);
  EXPECT_EQ(g->fanfare_played, 1);  // not above 8 yet: the base music keeps its level

  g->altitude_max = 50;
  heli::ApplyFlightControls(*g);
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->altitude, 9);
  EXPECT_EQ(g->fanfare_played, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).volume, -400);
  Release(*g, kUp);

  Hold(*g, kDown);
  for (int i = 0; i < 10; ++i) heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->altitude, 5);
}

TEST(FlightControls, SpeedKeysBetweenZeroAndTheLimit) {
  auto g = Playing();
  g->speed_max = 3;
  Hold(*g, kFaster);
  for (int i = 0; i < 5; ++i) heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->speed, 3);
  Release(*g, kFaster);
  Hold(*g, kSlower);
  for (int i = 0; i < 5; ++i) heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->speed, 0);
}

TEST(FlightControls, RotorKeysAndTheRotorSound) {
  auto g = Playing();
  g->rotor_sound_freq = 28000;
  Hold(*g, kRotorUp);
  for (int i = 0; i < 5; ++i) heli::ApplyFlightControls(*g);
  // The rotor is at its limit already; the pitch still climbs, up to 30000.
  EXPECT_EQ(g->rotor_rpm, 25);
  EXPECT_EQ(g->rotor_sound_freq, 30000);
  EXPECT_EQ(g->sounds.Setting(heli::kHelik).frequency, 30000);
  Release(*g, kRotorUp);

  Hold(*g, kRotorDown);
  for (int i = 0; i < 30; ++i) heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->rotor_rpm, 2);
  EXPECT_EQ(g->rotor_sound_freq, 10000);
  EXPECT_EQ(g->sounds.Setting(heli::kHelik).frequency, 10000);
  Release(*g, kRotorDown);

  // While people are unloaded at the base the rotor cannot be sped up.
  g->unloading = 1;
  Hold(*g, kRotorUp);
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->rotor_rpm, 2);
  EXPECT_EQ(g->rotor_sound_freq, 10000);
  g->unloading = 0;
  heli::ApplyFlightControls(*g);
  EXPECT_EQ(g->rotor_rpm, 3);
  EXPECT_EQ(g->rotor_sound_freq, 11000);
}

struct HeadingCase {
  int heading, dx, dy;
};

TEST(ComputeScroll, HeadingSectorsAtSpeedFifteen) {
  const HeadingCase cases[] = {
      {0, 0, -15},   {5, 0, -15},   {6, -5, -15},  {10, -5, -15}, {15, -5, -15}, {16, -7, -15},
      {30, -7, -15}, {31, -7, -15}, {40, -7, -15}, {45, -7, -15}, {46, -15, -7}, {56, -15, -7},
      {57, -15, 0},  {64, -15, 0},  {70, -15, 0},  {71, -15, 5},  {85, -15, 5},  {86, -15, 7},
      {100, -15, 7}, {101, -7, 15}, {112, -7, 15}, {113, 0, 15},  {128, 0, 15},  {132, 0, 15},
      {133, 5, 15},  {145, 5, 15},  {146, 7, 15},  {160, 7, 15},  {161, 15, 7},  {175, 15, 7},
      {176, 15, 5},  {185, 15, 5},  {186, 15, 0},  {190, 15, 0},  {193, 15, 0},  {194, 15, -5},
      {200, 15, -5}, {210, 15, -5}, {211, 15, -7}, {226, 15, -7}, {227, 7, -15}, {243, 7, -15},
      {244, 5, -15}, {255, 5, -15},
  };
  auto g = Playing();
  g->speed = 15;
  for (const HeadingCase& c : cases) {
    g->heading = static_cast<heli::u8>(c.heading);
    heli::ComputeScroll(*g);
    EXPECT_EQ(g->scroll_dx, c.dx) << "heading " << c.heading;
    EXPECT_EQ(g->scroll_dy, c.dy) << "heading " << c.heading;
  }
}

TEST(ComputeScroll, NegativeSpeedFliesBackwardsWithTruncatedThirds) {
  auto g = Playing();
  g->speed = -4;
  g->heading = 10;
  heli::ComputeScroll(*g);
  EXPECT_EQ(g->scroll_dx, 1);  // -(-4 div 3) = 1, towards zero
  EXPECT_EQ(g->scroll_dy, 4);
}

TEST(ComputeScroll, MapPositionMovesAgainstTheWorld) {
  auto g = Playing();
  g->speed = 15;
  g->heading = 64;  // right: the world moves left
  heli::ComputeScroll(*g);
  EXPECT_FLOAT_EQ(g->map_x, 0.15f);
  EXPECT_FLOAT_EQ(g->map_y, 0.0f);
  g->heading = 128;  // down
  heli::ComputeScroll(*g);
  heli::ComputeScroll(*g);
  EXPECT_FLOAT_EQ(g->map_y, 0.3f);

  // Single precision: a step of 0.01 is lost on a large position.
  g->map_x = 262144.0f;
  g->speed = 1;
  g->heading = 64;
  heli::ComputeScroll(*g);
  EXPECT_EQ(g->map_x, 262144.0f);
}

TEST(FlightLimits, HoveringBurnsAFuelUnitEvery101Ticks) {
  auto g = Playing();
  for (int i = 0; i < 100; ++i) heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->fuel, 150);
  EXPECT_EQ(g->fuel_tick, 600);
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->fuel, 149);
  EXPECT_EQ(g->fuel_tick, 0);

  // At altitude 6 and below nothing is burnt.
  g->altitude = 6;
  for (int i = 0; i < 1000; ++i) heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->fuel_tick, 0);
  EXPECT_EQ(g->fuel, 149);
}

TEST(FlightLimits, AnEmptyTankStarvesTheRotorUntilTheHelicopterIsLost) {
  auto g = Playing();
  g->fuel = 1;
  g->map_shown = 1;
  for (int i = 1; i <= 20; ++i) {
    heli::UpdateFlightLimits(*g);
    ASSERT_EQ(g->crashed, 0) << "tick " << i;
    EXPECT_EQ(g->rotor_rpm, 25 - i);
  }
  EXPECT_EQ(g->map_shown, 1);
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_rpm, 4);
  EXPECT_EQ(g->crashed, 1);
  EXPECT_EQ(g->map_shown, 0);  // the crash is shown in the flight view

  // Holding the rotor key puts the lost step back every tick.
  auto h = Playing();
  h->fuel = 1;
  h->rotor_rpm = 24;
  Hold(*h, kRotorUp);
  for (int i = 0; i < 100; ++i) {
    heli::ApplyFlightControls(*h);
    heli::UpdateFlightLimits(*h);
  }
  EXPECT_EQ(h->crashed, 0);
  EXPECT_EQ(h->rotor_rpm, 24);
}

TEST(FlightLimits, RotorAndAltitudeSetTheLimits) {
  auto g = Playing();
  g->rotor_rpm = 0;
  g->altitude = 3;
  g->speed = 9;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_rpm, 1);
  EXPECT_EQ(g->altitude_max, 2);
  EXPECT_EQ(g->altitude, 2);  // raised to 5 first, then held under the rotor's limit
  EXPECT_EQ(g->speed, 0);
  EXPECT_EQ(g->speed_max, 0);

  g->rotor_rpm = 30;  // above the rotor's limit
  g->altitude = 9;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_rpm, 25);
  EXPECT_EQ(g->speed_max, 0);  // still too low to move

  g->altitude = 60;
  g->speed = 30;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->altitude_max, 50);
  EXPECT_EQ(g->altitude, 50);
  EXPECT_EQ(g->speed_max, 25);
  EXPECT_EQ(g->speed, 25);

  g->rotor_rpm = 4;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->speed, 0);
  EXPECT_EQ(g->altitude, 8);

  // The rotor angle turns by the revolutions and wraps.
  g->rotor_rpm = 25;
  g->rotor_angle = 250;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_angle, 19);
}

TEST(FlightLimits, TwoPeopleAboardHalveTheSpeedLimit) {
  auto g = Playing();
  g->speed = 20;
  g->free_seats = 3;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->speed_max, 25);
  EXPECT_EQ(g->speed, 20);
  g->free_seats = 2;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->speed_max, 12);
  EXPECT_EQ(g->speed, 12);
}

TEST(FlightLimits, TheChairKeepsItsOwnLimits) {
  auto g = Playing();
  g->chair_out = 1;
  g->altitude_max = 20;
  g->speed_max = 7;
  g->altitude = 30;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->altitude_max, 20);
  EXPECT_EQ(g->speed_max, 7);
  EXPECT_EQ(g->altitude, 20);
}

TEST(FlightLimits, GaugesFollowRotorAltitudeAndSpeed) {
  auto g = Playing();
  g->speed = 3;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_gauge, 150);
  EXPECT_EQ(g->altitude_gauge, 75);
  EXPECT_EQ(g->speed_gauge, 4);  // below 4 the needle rests at 4

  g->speed = 10;
  g->rotor_rpm = 20;
  g->altitude = 40;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_gauge, 120);
  EXPECT_EQ(g->altitude_gauge, 120);
  EXPECT_EQ(g->speed_gauge, 60);

  g->speed = -2;  // a vortex can push the speed below 0
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->speed_gauge, 4);

  // A raised rotor limit overfills the gauge: it is cut back to full.
  g->rotor_rpm_max = 30;
  g->rotor_rpm = 30;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_gauge, 150);
  g->rotor_rpm = 26;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->rotor_gauge, 156);
}

TEST(FlightLimits, TheMapEdgesAreStillInside) {
  struct Edge {
    float x, y;
    int heading;  // the next step out of the map
  };
  const Edge edges[] = {{440.0f, 0, 64}, {-350.0f, 0, 192}, {0, -280.0f, 0}, {0, 240.0f, 128}};
  for (const Edge& e : edges) {
    auto g = Playing();
    g->map_x = e.x;
    g->map_y = e.y;
    g->map_shown = 1;
    heli::UpdateFlightLimits(*g);
    EXPECT_EQ(g->crashed, 0) << e.x << ", " << e.y;
    g->speed = 15;
    g->heading = static_cast<heli::u8>(e.heading);
    heli::ComputeScroll(*g);
    heli::UpdateFlightLimits(*g);
    EXPECT_EQ(g->crashed, 1) << e.x << ", " << e.y;
    EXPECT_EQ(g->map_shown, 0);
  }
}

TEST(RotorWash, SpraySizeCyclesOnlyWithAFastRotor) {
  auto g = Playing();
  g->rotor_rpm = 20;
  heli::RotorWashTick(*g);
  EXPECT_EQ(g->spray_size, 80);
  g->rotor_rpm = 21;
  g->crashed = 1;  // the picture is left out, the size still steps
  for (int i = 0; i < 8; ++i) heli::RotorWashTick(*g);
  EXPECT_EQ(g->spray_size, 120);
  heli::RotorWashTick(*g);
  EXPECT_EQ(g->spray_size, 80);
}

// Whole play ticks, for the order in which the flight steps meet.
std::unique_ptr<TForm1> LevelOne() {
  auto g = Playing();
  g->level = 1;
  heli::LayoutLevel(*g);
  return g;
}

TEST(PlayTickFlight, TheScrollOfOneTickMovesTheWorldOnTheNext) {
  auto g = LevelOne();
  const int tile_y = g->tiles.At(1).y;
  const int pad_y = g->objects.At(1).y;
  Hold(*g, kFaster);
  heli::Step(*g);
  EXPECT_EQ(g->speed, 1);
  EXPECT_EQ(g->scroll_dy, 1);  // heading 128: flying down the screen
  EXPECT_EQ(g->tiles.At(1).y, tile_y);
  EXPECT_FLOAT_EQ(g->map_y, 0.01f);
  heli::Step(*g);
  EXPECT_EQ(g->tiles.At(1).y, tile_y - 1);
  EXPECT_EQ(g->objects.At(1).y, pad_y - 1);
  EXPECT_EQ(g->speed, 2);
  EXPECT_FLOAT_EQ(g->map_y, 0.03f);
}

TEST(PlayTickFlight, AVortexTurnAndThePlayersTurnAddUp) {
  auto g = LevelOne();
  g->vortices[0].mx = 0;
  g->vortices[0].my = 0;
  Hold(*g, kRight);
  // The vortex draws first in the tick: pick a draw that turns right, no pull down.
  for (heli::u32 seed = 1;; ++seed) {
    g->RandSeed = seed;
    const int d = g->random(250);
    g->RandSeed = seed;
    if (d >= 101 && d <= 200) break;
  }
  heli::Step(*g);
  EXPECT_EQ(g->heading, 128 + 3 * 3 + 2);
  EXPECT_EQ(g->altitude, 25);
  EXPECT_EQ(g->vortex_warning, 1);
}

}  // namespace
