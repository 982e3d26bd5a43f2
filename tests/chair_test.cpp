#include "game/chair.h"

#include <gtest/gtest.h>

#include "game/flight.h"
#include "tests/test_game.h"
#include "view/flight_view.h"

namespace {

using heli::TForm1;

std::unique_ptr<TForm1> Playing() {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  return g;
}

TEST(Chair, PaysOutOneStepEveryFourTicksUpToNine) {
  auto g = Playing();
  g->chair_tick = 0;
  heli::ChairKey(*g);
  EXPECT_EQ(g->chair_out, 1);
  EXPECT_EQ(g->chair_len, 0);
  for (int tick = 1; tick <= 40; ++tick) {
    heli::ChairTick(*g);
    int want = tick / 4;  // visible from 2 steps, on the eighth tick
    if (want > 9) want = 9;
    ASSERT_EQ(g->chair_len, want) << "tick " << tick;
  }
  EXPECT_EQ(g->chair_x, 9 + 10);
}

TEST(Chair, KeyLowersAtRestWindsInPastThreeAndIgnoresTheMiddle) {
  auto g = Playing();
  g->chair_out = 1;
  g->chair_len = 3;
  heli::ChairKey(*g);
  EXPECT_EQ(g->chair_out, 1);
  EXPECT_EQ(g->chair_len, 3);
  g->chair_len = 4;
  heli::ChairKey(*g);
  EXPECT_EQ(g->chair_out, 0);
  EXPECT_EQ(g->chair_len, 4);
  // Being wound in, the chair does not react until it is back at rest.
  g->chair_len = 2;
  heli::ChairKey(*g);
  EXPECT_EQ(g->chair_out, 0);
  g->chair_len = 1;
  heli::ChairKey(*g);
  EXPECT_EQ(g->chair_out, 1);
  EXPECT_EQ(g->chair_len, 0);
}

TEST(Chair, HoldingTheKeyGoesDownToFourAndBackOverAndOver) {
  auto g = Playing();
  g->chair_tick = 0;
  int turns = 0;
  heli::u8 deepest = 0;
  for (int tick = 0; tick < 200; ++tick) {
    const heli::u8 was_out = g->chair_out;
    heli::ChairKey(*g);
    if (was_out == 1 && g->chair_out == 0) ++turns;
    heli::ChairTick(*g);
    deepest = std::max(deepest, g->chair_len);
  }
  EXPECT_EQ(deepest, 4);
  EXPECT_GT(turns, 3);
}

TEST(Chair, BelowFifteenTheChairNeverPaysOut) {
  auto g = Playing();
  g->altitude = 14;
  const int stops = g->sounds.Setting(heli::kVytah).stops;
  for (int tick = 0; tick < 50; ++tick) {
    heli::ChairKey(*g);
    heli::ChairTick(*g);
    ASSERT_EQ(g->chair_out, 0);
    ASSERT_LT(g->chair_len, 2);
  }
  EXPECT_EQ(g->sounds.Setting(heli::kVytah).stops, stops + 50);  // the winch is silenced each time
}

TEST(Chair, WindingInFromNineTakes32TicksAndEmptiesTheChair) {
  auto g = Playing();
  g->chair_len = 9;
  g->chair_tick = 0;
  g->chair_loaded = 1;
  g->altitude_max = 15;
  g->speed_max = 5;
  heli::ChairTick(*g);
  // The rotor's limits come back while the chair is wound in.
  EXPECT_EQ(g->altitude_max, 50);
  EXPECT_EQ(g->speed_max, 25);
  for (int tick = 2; tick <= 31; ++tick) heli::ChairTick(*g);
  EXPECT_EQ(g->chair_len, 2);
  EXPECT_EQ(g->chair_loaded, 1);
  heli::ChairTick(*g);
  EXPECT_EQ(g->chair_len, 1);
  EXPECT_EQ(g->chair_loaded, 0);
  for (int tick = 0; tick < 10; ++tick) heli::ChairTick(*g);
  EXPECT_EQ(g->chair_len, 1);  // at rest
}

TEST(Chair, OutTheChairHoldsTheHelicopterAtFifteenAndSlow) {
  auto g = Playing();
  g->altitude = 50;
  heli::ChairKey(*g);
  for (int tick = 0; tick < 60; ++tick) {
    heli::ChairTick(*g);
    heli::UpdateFlightLimits(*g);
  }
  EXPECT_EQ(g->altitude_max, 15);
  EXPECT_EQ(g->speed_max, 5);
  EXPECT_EQ(g->altitude, 15);
  EXPECT_EQ(g->chair_out, 1);

  // With two aboard the halved limit is lowered by only one each tick.
  g->free_seats = 2;
  heli::UpdateFlightLimits(*g);
  EXPECT_EQ(g->speed_max, 12);
  heli::ChairTick(*g);
  EXPECT_EQ(g->speed_max, 11);
}

int CountPixels(const media::Surface& s, int x0, int y0, int x1, int y1, media::Pixel p) {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += s.At(x, y) == p;
  }
  return n;
}

TEST(Chair, CableAndWarningAreDrawnOnTheFrame) {
  auto g = Playing();
  g->heli_screen_x = 350;  // as every level lays it out
  g->heli_screen_y = 280;
  media::Surface& back = g->DXDraw.BackSurface();
  ASSERT_TRUE(back.Valid());
  const media::Pixel white = media::ReduceColor(media::clWhite);
  const media::Pixel black = media::ReduceColor(media::clBlack);
  const media::Pixel red = media::ReduceColor(media::clRed);

  const heli::Painter painter = g->Painter();
  back.Fill(white);
  heli::ChairTick(*g);
  g->CaptureScene(false);
  heli::DrawChair(painter, g->scene);  // at rest: the cable is drawn anyway, no warning
  // From the helicopter's centre, shifted by the altitude, towards the chair
  // (chair_x = 11); the end point itself is left out.
  EXPECT_EQ(back.At(350 - 25, 280 + 25), black);
  EXPECT_EQ(back.At(350 - 25 + 10, 280 + 25 + 2), black);
  EXPECT_EQ(back.At(350 - 25 + 11, 280 + 25 + 2), white);
  EXPECT_EQ(back.At(350 - 25, 280 + 24), white);
  EXPECT_EQ(CountPixels(back, 230, 35, 560, 70, red), 0);

  // The warning shows as soon as the chair is out, before it is visible.
  back.Fill(white);
  heli::ChairKey(*g);
  heli::ChairTick(*g);
  g->CaptureScene(false);
  heli::DrawChair(painter, g->scene);
  EXPECT_GT(CountPixels(back, 230, 35, 560, 70, red), 50);
  EXPECT_GT(CountPixels(back, 230, 35, 560, 70, black), 50);
}

}  // namespace
