#include "game/hud.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "shell/main_window.h"
#include "shell/step.h"
#include "test_game.h"
#include "view/hud_view.h"

namespace {

using heli::testing::EnterPlay;
using heli::testing::NewGame;

constexpr int kF1 = 112, kM = 77;

TEST(HelpAndMapKeys, HeldF1TogglesEveryTenTicksAndClosesTheMap) {
  auto g = NewGame();
  EnterPlay(*g);
  g->DXInput1.KeyDown(kF1);
  std::vector<int> shown;
  for (int tick = 0; tick < 25; ++tick) {
    heli::Step(*g);
    shown.push_back(g->help_shown);
  }
  // On at the first tick, off at the 11th, on again at the 21st.
  EXPECT_EQ(shown[0], 1);
  EXPECT_EQ(shown[9], 1);
  EXPECT_EQ(shown[10], 0);
  EXPECT_EQ(shown[19], 0);
  EXPECT_EQ(shown[20], 1);
  EXPECT_EQ(g->sounds.Setting(heli::kKlik).starts,
            heli::StoredWaves()[heli::kKlik].recorded ? 3 : 0);  // one click per toggle

  // F1 closes the map even while the lock still runs.
  g->DXInput1.KeyUp(kF1);
  heli::Step(*g);
  g->map_shown = 1;
  g->key_lock = 5;
  g->DXInput1.KeyDown(kF1);
  heli::Step(*g);
  EXPECT_EQ(g->map_shown, 0);
}

TEST(HelpAndMapKeys, MapAndHelpShareOneLock) {
  auto g = NewGame();
  EnterPlay(*g);
  g->DXInput1.KeyDown(kF1);
  heli::Step(*g);
  g->DXInput1.KeyUp(kF1);
  EXPECT_EQ(g->help_shown, 1);
  g->DXInput1.KeyDown(kM);
  for (int i = 0; i < 9; ++i) {
    heli::Step(*g);
    EXPECT_EQ(g->map_shown, 0) << "tick " << i;
  }
  heli::Step(*g);  // the lock has run out
  EXPECT_EQ(g->map_shown, 1);
  EXPECT_EQ(g->key_lock, 9);
  EXPECT_EQ(g->Timer1.Interval, 2);  // the map view's slower interval starts with the next tick
  heli::Step(*g);
  EXPECT_EQ(g->Timer1.Interval, 25);
}

TEST(TextOverlay, VortexWarningBlinksTenOnFiveOff) {
  auto g = NewGame();
  EnterPlay(*g);
  // A pixel inside the warning's box, away from its letters' first column.
  auto warning_box_lit = [&] {
    const media::Pixel p = g->DXDraw.BackSurface().At(243, 73);
    return p == media::ReduceColor(media::clRed);
  };
  std::string seen;
  for (int i = 0; i < 30; ++i) {
    g->DXDraw.BackSurface().Fill(0);
    g->vortex_warning = 1;
    heli::BlinkTick(*g);
    heli::DrawTextOverlay(g->Painter(), *g);
    const bool shown = g->blink_tick >= 1 && g->blink_tick <= 10;
    seen += shown ? '1' : '0';
    if (media::TextAvailable()) {
      EXPECT_EQ(warning_box_lit(), shown) << "step " << i;
    }
  }
  EXPECT_EQ(seen, "111111111100000111111111100000");
  EXPECT_EQ(g->blink_tick, 0);
  // The canvas keeps red, size 15 for the next user.
  EXPECT_EQ(g->DXDraw.SurfaceCanvas().Font.Size, 15);
  EXPECT_EQ(g->DXDraw.SurfaceCanvas().Font.Color, media::clRed);
}

TEST(TextOverlay, HelpHintIsWrittenInYellowOverBlack) {
  if (!media::TextAvailable()) GTEST_SKIP() << "no font";
  auto g = NewGame();
  EnterPlay(*g);
  g->DXDraw.BackSurface().Fill(media::ReduceColor(0x808080));
  heli::DrawTextOverlay(g->Painter(), *g);
  int yellow = 0, black = 0;
  for (int y = 70; y < 90; ++y)
    for (int x = 700; x < 770; ++x) {
      const media::Pixel p = g->DXDraw.BackSurface().At(x, y);
      yellow += p == media::ReduceColor(media::clYellow);
      black += p == 0;
    }
  EXPECT_GT(yellow, 20);
  EXPECT_GT(black, 5);
}

TEST(HeadIcons, ShowOneIconPerPersonAboard) {
  auto g = NewGame();
  for (int seats : {0, 3, 2, 4, 1, 9}) {
    g->free_seats = static_cast<heli::u8>(seats);
    heli::UpdateHeadIcons(*g);
    const int aboard = 4 - std::min(seats, 4);
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(g->heads_shown[i], static_cast<int>(i) < aboard) << seats << " " << i;
  }
  EXPECT_EQ(g->free_seats, 4);  // more than four free seats is cut back
}

TEST(Panels, CoverTheirRowsOfEveryPresentedFrame) {
  auto g = NewGame();
  g->spodni_menu.Visible = g->p_ohrozeni.Visible = g->p_zachraneni.Visible = true;
  const media::Pixel white = media::ReduceColor(media::clWhite);
  for (int frame = 0; frame < 2; ++frame) {
    g->DXDraw.BackSurface().Fill(white);
    g->DXDraw.Present();
    const media::Surface& f = g->DXDraw.Frame();
    EXPECT_EQ(f.At(400, 524), white);
    EXPECT_NE(f.At(400, 525), white);
    EXPECT_NE(f.At(0, 599), white);
    EXPECT_NE(f.At(799, 599), white);
    EXPECT_NE(f.At(0, 0), white);
    EXPECT_NE(f.At(128, 56), white);
    EXPECT_EQ(f.At(129, 10), white);
    EXPECT_EQ(f.At(128, 57), white);
    EXPECT_NE(f.At(364, 0), white);
    EXPECT_NE(f.At(492, 56), white);
    EXPECT_EQ(f.At(493, 10), white);
    EXPECT_EQ(f.At(363, 10), white);
  }
  g->spodni_menu.Visible = false;
  g->DXDraw.Present();
  EXPECT_EQ(g->DXDraw.Frame().At(400, 560), white);
}

// Every presented frame is the back surface with the visible panels laid over it,
// whether the panels changed since the last frame, moved, vanished or stayed put;
// and the back surface is the game's own picture again when it is drawn on.
TEST(Panels, EveryFrameShowsThePictureWithThePanelsAsTheyAreNow) {
  auto g = NewGame();
  g->spodni_menu.Visible = g->p_ohrozeni.Visible = g->p_zachraneni.Visible = true;
  auto expected = [&] {
    media::Surface want(800, 600);
    g->DXDraw.BackSurface().CopyTo(want, 0, 0, 800, 600, 0, 0);
    for (media::Panel* p : {&g->spodni_menu, &g->p_zachraneni, &g->p_ohrozeni}) p->Draw(want);
    return want;
  };
  auto same = [](const media::Surface& a, const media::Surface& b) {
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x)
        if (a.At(x, y) != b.At(x, y)) return testing::AssertionFailure() << "at " << x << "," << y;
    return testing::AssertionSuccess();
  };
  const std::vector<std::function<void()>> changes = {
      [] {},
      [&] { g->DXDraw.BackSurface().Fill(media::ReduceColor(media::clAqua)); },
      [&] { g->gpalivo.Width = 40; },
      [&] { g->zachrana.Caption = "12"; },
      [&] { g->p_ohrozeni.Left -= 30; },
      [&] { g->p_zachraneni.Visible = false; },
      [&] { g->DXDraw.BackSurface().Fill(media::ReduceColor(media::clRed)); },
      [&] { g->p_zachraneni.Visible = true; },
  };
  int step = 0;
  for (const auto& change : changes) {
    change();
    for (int x = 0; x < 800; x += 7) g->DXDraw.BackSurface().Set(x, (x * 3 + step) % 600, 0x1234);
    const media::Surface want = expected();
    media::Surface picture(800, 600);
    g->DXDraw.BackSurface().CopyTo(picture, 0, 0, 800, 600, 0, 0);
    g->DXDraw.Present();
    EXPECT_TRUE(same(g->DXDraw.Frame(), want)) << "step " << step;
    // Drawing again starts from the game's own picture, with nothing of the panels.
    EXPECT_TRUE(same(g->DXDraw.BackSurface(), picture)) << "step " << step;
    ++step;
  }
}

TEST(ClockTimer, CountsMarksPeopleAndEndsTheTimeAt253) {
  auto g = NewGame();
  g->clock_on = 1;
  g->clock_ticks = 5;
  g->next_event = 17;
  g->event_interval = 17;
  g->next_person = 1;
  for (int i = 0; i < 12; ++i) heli::cassTimer(*g);
  EXPECT_EQ(g->clock_ticks, 17);
  EXPECT_EQ(g->people.At(1).doomed, 1);
  EXPECT_EQ(g->people.At(2).doomed, 0);
  EXPECT_EQ(g->next_event, 34);
  g->clock_ticks = 252;
  heli::cassTimer(*g);
  EXPECT_EQ(g->crashed, 1);
  heli::cassTimer(*g);  // stands still while crashed
  EXPECT_EQ(g->clock_ticks, 253);
  // Level 4 stops the clock for good after five special rescues.
  g->crashed = 0;
  g->level = 4;
  g->special_count = 5;
  heli::cassTimer(*g);
  EXPECT_EQ(g->clock_on, 0);
  EXPECT_EQ(g->clock_ticks, 253);
}

}  // namespace
