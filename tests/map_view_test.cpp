#include "world/map_view.h"

#include <gtest/gtest.h>

#include <functional>

#include "game/reset.h"
#include "levels/layout.h"
#include "shell/main_window.h"
#include "shell/step.h"
#include "shell/timers.h"
#include "test_game.h"
#include "view/map_view.h"

namespace {

using heli::TForm1;
using heli::testing::EnterPlay;
using heli::testing::NewGame;

constexpr int kUp = 38, kRight = 39, kA = 65, kF1 = 112, kM = 77;

// Level n laid out without its picture file: the built-in pictures are enough for
// the marks, and the level's own pictures simply draw nothing.
std::unique_ptr<TForm1> LevelGame(int n) {
  auto g = NewGame(5);
  g->level = static_cast<heli::u8>(n);
  heli::LayoutLevel(*g);
  EnterPlay(*g);
  return g;
}

void EmptyWorld(TForm1& g) {
  g.object_count = 4;
  g.tile_count = g.people_count = g.heli_count = g.vortex_count = 0;
}

// Gives poz pictures at the indices the map uses, borrowed from vrt.
void BorrowLevelPictures(TForm1& g) {
  g.poz.Items().resize(17);
  g.poz.Items()[14] = g.vrt.Item(8);
  g.poz.Items()[16] = g.vrt.Item(28);
}

media::Surface Drawn(const TForm1& g, const std::function<void(media::Surface&)>& draw) {
  const media::Surface& back = const_cast<TForm1&>(g).DXDraw.BackSurface();
  media::Surface s(back.Width(), back.Height());
  g.ostrovy.DrawImage(s, 2, g.background_x, g.background_y);
  draw(s);
  return s;
}

int Differences(const media::Surface& a, const media::Surface& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

void Mark(const media::ImageList& list, media::Surface& s, int picture, int x, int y, int w, int h,
          int angle) {
  list.DrawRotated(s, picture, x, y, w, h, 0.5, 0.5, angle, 255);
}

void PlayerMark(const TForm1& g, media::Surface& s, int x, int y) {
  Mark(g.vrt, s, 7, x, y, 15, 30, g.heading);
}

TEST(MapView, PadAndIslandMarksSitAtTheirTruncatedMapPositions) {
  auto g = LevelGame(1);
  EmptyWorld(*g);
  g->object_count = 7;
  g->objects.At(1).mx = -190.9f;  // truncated towards zero: -190
  g->objects.At(1).my = -20.5f;
  g->objects.At(3).mx = 150.7f;
  g->objects.At(3).my = -8.2f;
  for (int n : {2, 4}) g->objects.At(n).on_map = 0;  // the buildings: no mark
  g->objects.At(5).on_map = 1;
  g->objects.At(5).mx = -100.4f;
  g->objects.At(5).my = 150.9f;
  g->objects.At(6).on_map = 0;  // scenery without a mark
  g->objects.At(6).mx = 20;
  g->objects.At(6).my = 20;
  g->objects.At(7).on_map = 1;
  g->objects.At(7).mx = 80;
  g->objects.At(7).my = 180;
  g->background_x = -3;
  g->background_y = 4;
  heli::MapViewTick(*g);
  g->CaptureScene(true);
  heli::DrawMap(g->Painter(), g->scene);

  const auto chart_only = Drawn(*g, [&](media::Surface& s) { PlayerMark(*g, s, 350, 280); });
  const auto expected = Drawn(*g, [&](media::Surface& s) {
    Mark(g->vrt, s, 5, 350 - 190, 280 - 20, 25, 20, 0);
    Mark(g->vrt, s, 6, 350 + 150, 280 - 8, 25, 20, 0);
    Mark(g->vrt, s, 4, 350 - 100, 280 + 150, 12, 12, 0);
    Mark(g->vrt, s, 4, 350 + 80, 280 + 180, 12, 12, 0);
    PlayerMark(*g, s, 350, 280);
  });
  EXPECT_GT(Differences(chart_only, expected), 4 * 50);  // every mark shows
  EXPECT_EQ(Differences(g->DXDraw.BackSurface(), expected), 0);
}

TEST(MapView, TilesHelicoptersAndTheTurningVortex) {
  auto g = LevelGame(1);
  EmptyWorld(*g);
  g->objects.At(1).mx = g->objects.At(3).mx = 600;  // pads off the chart
  g->tile_count = 2;
  g->tiles.At(1).mx = -170;
  g->tiles.At(1).my = -120.6f;
  g->tiles.At(2).mx = 60.5f;
  g->tiles.At(2).my = 90;
  g->heli_count = 1;
  heli::Heli& h = g->helis.At(1);
  h.mx = -20.95f;
  h.my = 30;
  h.heli_heading = 64;
  h.steer_east = 1;
  h.pace = 10;
  g->vortex_count = 1;
  g->vortices.At(1).mx = -150.5f;  // too far for the helicopter to flee it
  g->vortices.At(1).my = -100;
  g->vortices.At(1).spin = 7;
  g->heading = 40;

  heli::MapViewTick(*g);
  g->CaptureScene(true);
  heli::DrawMap(g->Painter(), g->scene);
  EXPECT_EQ(g->vortices.At(1).spin, 12);
  EXPECT_NEAR(h.mx, -20.85f, 1e-4);  // the helicopter flew on east

  auto expected = Drawn(*g, [&](media::Surface& s) {
    Mark(g->vrt, s, 35, 350 - 170, 280 - 120, 7, 7, 0);
    Mark(g->vrt, s, 35, 350 + 60, 280 + 90, 7, 7, 0);
    Mark(g->vrt, s, 34, 350 - 20, 280 + 30, 15, 30, 64);
    PlayerMark(*g, s, 350, 280);
    Mark(g->vrt, s, 8, 350 - 150, 280 - 100, 70, 70, 12);
  });
  EXPECT_EQ(Differences(g->DXDraw.BackSurface(), expected), 0);

  // The vortex mark turns 5 steps a tick: the next frame differs from this one.
  heli::MapViewTick(*g);
  g->CaptureScene(true);
  heli::DrawMap(g->Painter(), g->scene);
  EXPECT_EQ(g->vortices.At(1).spin, 17);
  EXPECT_GT(Differences(g->DXDraw.BackSurface(), expected), 0);
}

TEST(MapView, ThePlayersMarkTruncatesTheSumNotThePosition) {
  auto g = LevelGame(1);
  EmptyWorld(*g);
  g->objects.At(1).mx = g->objects.At(3).mx = 600;
  g->map_x = -0.5f;  // 349.5 -> 349; truncating first would give 350
  g->map_y = -30.25f;
  g->heading = 200;
  heli::MapViewTick(*g);
  g->CaptureScene(true);
  heli::DrawMap(g->Painter(), g->scene);
  const auto at_sum = Drawn(*g, [&](media::Surface& s) { PlayerMark(*g, s, 349, 249); });
  const auto at_trunc = Drawn(*g, [&](media::Surface& s) { PlayerMark(*g, s, 350, 250); });
  EXPECT_GT(Differences(at_sum, at_trunc), 0);
  EXPECT_EQ(Differences(g->DXDraw.BackSurface(), at_sum), 0);
}

TEST(MapView, LevelSixUsesItsSmallIslandMarkAndTheBoatDrifts) {
  auto g = LevelGame(6);
  BorrowLevelPictures(*g);
  heli::WorldObject& boat = g->objects.At(5);
  ASSERT_EQ(g->object_count, 5);
  const float my0 = boat.my;
  const int y0 = boat.y;
  const int person_y0 = g->people.At(1).y;
  g->map_shown = 1;
  for (int i = 0; i < 100; ++i) {
    heli::MapViewTick(*g);
    g->CaptureScene(true);
    heli::DrawMap(g->Painter(), g->scene);
    g->CaptureScene(true);
    heli::DrawMap(g->Painter(), g->scene);
  }
  EXPECT_NEAR(boat.my, my0 + 3.0f, 1e-3);  // 0.03 map units a tick
  EXPECT_EQ(boat.y, y0 + 300);
  EXPECT_EQ(g->people.At(1).y, person_y0 + 300);  // the people ride along

  const auto expected = Drawn(*g, [&](media::Surface& s) {
    auto at = [&](const heli::WorldObject& o, int pic, const media::ImageList& list, int w, int h) {
      Mark(list, s, pic, 350 + static_cast<int>(o.mx), 280 + static_cast<int>(o.my), w, h, 0);
    };
    at(g->objects.At(1), 5, g->vrt, 25, 20);
    at(g->objects.At(3), 6, g->vrt, 25, 20);
    at(boat, 14, g->poz, 7, 7);
    for (int i = 1; i <= g->tile_count; ++i) {
      const heli::Tile& t = g->tiles.At(i);
      Mark(g->vrt, s, 35, 350 + static_cast<int>(t.mx), 280 + static_cast<int>(t.my), 7, 7, 0);
    }
    for (int i = 1; i <= g->heli_count; ++i) {
      const heli::Heli& h = g->helis.At(i);
      Mark(g->vrt, s, 34, 350 + static_cast<int>(h.mx), 280 + static_cast<int>(h.my), 15, 30,
           h.heli_heading);
    }
    PlayerMark(*g, s, 350, 280);
    const heli::Vortex& v = g->vortices.At(1);
    Mark(g->vrt, s, 8, 350 + static_cast<int>(v.mx), 280 + static_cast<int>(v.my), 70, 70, v.spin);
  });
  EXPECT_EQ(Differences(g->DXDraw.BackSurface(), expected), 0);
}

TEST(MapView, LevelEightDrawsItsOverlayOverTheIslandMarks) {
  auto g = LevelGame(8);
  BorrowLevelPictures(*g);
  EmptyWorld(*g);
  g->objects.At(1).mx = g->objects.At(3).mx = 600;
  g->object_count = 5;
  g->objects.At(5).on_map = 1;
  g->objects.At(5).mx = -150;
  g->objects.At(5).my = 150;
  heli::MapViewTick(*g);
  g->CaptureScene(true);
  heli::DrawMap(g->Painter(), g->scene);
  const auto expected = Drawn(*g, [&](media::Surface& s) {
    Mark(g->vrt, s, 4, 200, 430, 12, 12, 0);
    g->poz.DrawImage(s, 16, 170, 370);
    PlayerMark(*g, s, 350, 280);
  });
  EXPECT_EQ(Differences(g->DXDraw.BackSurface(), expected), 0);
}

// Two games fed the same keys, one of them with the map open for a while: when the
// map closes every object, person and tile stands where it stands in the other.
TEST(MapView, TheWorldMovesOnUnderTheMap) {
  auto flight = LevelGame(1);
  auto mapped = LevelGame(1);
  for (TForm1* g : {flight.get(), mapped.get()}) {
    g->heli_count = 0;  // their random courses would follow different draws
    g->DXInput1.KeyDown(kA);
    g->DXInput1.KeyDown(kUp);
  }
  for (int tick = 0; tick < 200; ++tick) {
    if (tick == 40) mapped->map_shown = 1;
    if (tick == 60)
      for (TForm1* g : {flight.get(), mapped.get()}) g->DXInput1.KeyDown(kRight);
    if (tick == 90)
      for (TForm1* g : {flight.get(), mapped.get()}) g->DXInput1.KeyUp(kRight);
    if (tick == 160) mapped->map_shown = 0;
    heli::Step(*flight);
    heli::Step(*mapped);
    ASSERT_EQ(flight->crashed, 0);
    ASSERT_EQ(mapped->crashed, 0);
  }
  EXPECT_NE(flight->objects.At(1).x, -19000);  // it did fly
  EXPECT_NE(flight->heading, 128);
  for (int n = 1; n <= flight->object_count; ++n) {
    EXPECT_EQ(mapped->objects.At(n).x, flight->objects.At(n).x) << "object " << n;
    EXPECT_EQ(mapped->objects.At(n).y, flight->objects.At(n).y) << "object " << n;
  }
  for (int i = 1; i <= flight->people_count; ++i) {
    EXPECT_EQ(mapped->people.At(i).x, flight->people.At(i).x) << "person " << i;
    EXPECT_EQ(mapped->people.At(i).y, flight->people.At(i).y) << "person " << i;
  }
  for (int i = 1; i <= flight->tile_count; ++i) {
    EXPECT_EQ(mapped->tiles.At(i).x, flight->tiles.At(i).x) << "tile " << i;
    EXPECT_EQ(mapped->tiles.At(i).y, flight->tiles.At(i).y) << "tile " << i;
  }
  EXPECT_EQ(mapped->map_x, flight->map_x);
  EXPECT_EQ(mapped->map_y, flight->map_y);
}

TEST(MapView, NobodyIsHoistedOrUnloadedWhileTheMapIsShown) {
  auto g = LevelGame(1);
  heli::Person& p = g->people.At(1);
  p.x = -2;
  p.y = -5;  // in the hoist box
  g->chair_out = 1;
  g->map_shown = 1;
  heli::Step(*g);
  EXPECT_EQ(p.aboard, 0);
  EXPECT_EQ(g->free_seats, 4);
  g->map_shown = 0;
  heli::Step(*g);
  EXPECT_EQ(p.aboard, 1);  // the same place hoists in the flight view
  EXPECT_EQ(g->free_seats, 3);

  // Standing on the base pad, one step before the stretcher delivers.
  auto b = LevelGame(1);
  const int w = b->ostrovy.ImageWidth(13), h = b->ostrovy.ImageHeight(13);
  ASSERT_GT(w, 60);
  ASSERT_GT(h, 90);
  b->objects.At(3).x = -50;
  b->objects.At(3).y = -70;
  b->objects.At(4).x = 3000;
  b->altitude = 5;
  b->rotor_rpm = 2;
  b->free_seats = 3;
  b->unloading = 1;
  b->unload_timer = 20;
  b->unload_tick = 2;
  b->map_shown = 1;
  for (int i = 0; i < 5; ++i) heli::Step(*b);
  EXPECT_EQ(b->crashed, 0);
  EXPECT_EQ(b->objects.At(3).landed_ok, 1);
  EXPECT_EQ(b->endangered, 16);
  EXPECT_EQ(b->free_seats, 3);
  EXPECT_EQ(b->unload_timer, 20);  // the stretcher stands still
  b->map_shown = 0;
  heli::Step(*b);
  EXPECT_EQ(b->endangered, 15);
  EXPECT_EQ(b->free_seats, 4);
}

// The map runs every second step of a 60 Hz clock; the help key closes it, even
// within the key lock, and the flight view is back to every step.
TEST(MapView, TheMapTicksEvery25MsUntilTheHelpKeyClosesIt) {
  auto g = LevelGame(1);
  std::vector<std::int64_t> steps;
  auto tick = [&] {
    steps.push_back(g->clock.NextTickStep());
    heli::Step(*g);
  };
  g->DXInput1.KeyDown(kM);
  tick();
  g->DXInput1.KeyUp(kM);
  EXPECT_EQ(g->map_shown, 1);
  for (int i = 0; i < 4; ++i) tick();
  g->DXInput1.KeyDown(kF1);
  tick();
  g->DXInput1.KeyUp(kF1);
  EXPECT_EQ(g->map_shown, 0);
  EXPECT_EQ(g->help_shown, 0);  // the lock of the M key still runs: only the map closes
  for (int i = 0; i < 3; ++i) tick();
  // Opening tick, four map ticks, the closing tick (still a map tick), three more.
  const std::vector<std::int64_t> want{0, 1, 3, 5, 7, 9, 11, 12, 13};
  EXPECT_EQ(steps, want);
}

}  // namespace
