// The intro, the menu and the level start screen, driven by the main tick.
#include <gtest/gtest.h>

#include "shell/commands.h"
#include "shell_helpers.h"
#include "test_game.h"

namespace {

using heli::testing::ExpectStarts;
using heli::testing::NewGame;
using heli::testing::RedPixels;
using heli::testing::Ticks;

constexpr int kUp = 38, kDown = 40;

TEST(Intro, SoundsAndFadesFollowTheTickTable) {
  auto g = NewGame();
  auto loop = [&] { return g->sounds.Setting(heli::kCiziVrtulnik); };

  Ticks(*g, 5);  // ticks 0..4: the loop's volume is written before it starts
  EXPECT_EQ(loop().volume, 0);
  ExpectStarts(*g, heli::kCiziVrtulnik, 0);
  Ticks(*g, 1);  // tick 5
  EXPECT_TRUE(loop().looped);
  ExpectStarts(*g, heli::kCiziVrtulnik, 1);
  EXPECT_EQ(loop().volume, -3985);

  Ticks(*g, 175);  // through tick 180
  EXPECT_EQ(g->sounds.Setting(heli::kDrama).frequency, 12000);
  ExpectStarts(*g, heli::kDrama, 1);

  Ticks(*g, 20);  // through tick 200: the logo has not begun to fade in
  EXPECT_EQ(g->rotor_angle, 0);
  Ticks(*g, 1);  // tick 201 raises the alpha that tick 202 draws
  EXPECT_EQ(g->rotor_angle, 6);
  Ticks(*g, 40);  // through tick 241
  EXPECT_EQ(g->rotor_angle, 246);
  Ticks(*g, 1);
  EXPECT_EQ(g->rotor_angle, 252);
  Ticks(*g, 17);  // through tick 259: past 250 it grows no more
  EXPECT_EQ(g->rotor_angle, 252);
  ExpectStarts(*g, heli::kStorm, 1);

  Ticks(*g, 11);  // through tick 270
  EXPECT_EQ(loop().volume, -10);
  Ticks(*g, 1);
  EXPECT_EQ(loop().volume, 0);
  Ticks(*g, 230);  // through tick 501: the fade-out has begun
  EXPECT_EQ(loop().volume, -5);
  EXPECT_EQ(g->intro_running, 1);
}

TEST(Intro, EndsAfterTick750WithTheMenuMusic) {
  auto g = NewGame();
  g->level = 5;
  Ticks(*g, 750);  // ticks 0..749
  EXPECT_EQ(g->intro_running, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).stops, 0);
  Ticks(*g, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).volume, -1250);
  EXPECT_EQ(g->intro_running, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).stops, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kDrama).stops, 0);  // drama is left to end by itself
  ExpectStarts(*g, heli::kHMenu, 1);
  EXPECT_EQ(g->intro_tick, 751);
  Ticks(*g, 1);  // the menu from now on
  EXPECT_EQ(g->intro_tick, 751);
  EXPECT_EQ(g->cursor, -21);
}

TEST(Intro, TextsAppearOnBlackInRed) {
  auto g = NewGame();
  Ticks(*g, 1);
  EXPECT_GT(RedPixels(*g, 250, 30, 500, 70), 20);  // "KOVRA  PRESENT..."
  EXPECT_EQ(RedPixels(*g, 250, 80, 500, 120), 0);
  EXPECT_EQ(RedPixels(*g, 0, 200, 800, 600), 0);
  Ticks(*g, 100);  // through tick 100
  EXPECT_EQ(RedPixels(*g, 250, 80, 500, 120), 0);
  Ticks(*g, 1);  // tick 101: " ve spolupraci..." below
  EXPECT_GT(RedPixels(*g, 250, 80, 500, 120), 20);
}

TEST(Intro, EscapeSkipsItAndStopsDrama) {
  auto g = NewGame();
  Ticks(*g, 200);
  heli::down(*g, 13);  // any other key is ignored
  EXPECT_EQ(g->intro_running, 1);
  heli::down(*g, heli::VK_ESCAPE);
  EXPECT_EQ(g->intro_running, 0);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level, 1);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_EQ(g->sounds.Setting(heli::kCiziVrtulnik).stops, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kDrama).stops, 1);
  ExpectStarts(*g, heli::kHMenu, 1);
  Ticks(*g, 1);
  EXPECT_EQ(g->intro_tick, 200);  // never shown again
  EXPECT_EQ(g->cursor, -21);
}

// A game in the menu, the intro skipped.
std::unique_ptr<heli::TForm1> InMenu() {
  auto g = NewGame();
  heli::down(*g, heli::VK_ESCAPE);
  return g;
}

TEST(Menu, BandsFollowTheMouseAndBordersKeepTheItem) {
  auto g = InMenu();
  struct Case {
    int y, item;
  };
  // -1: a border, the item stays as the band before left it.
  const Case cases[] = {{0, 0},    {34, 0},   {35, -1},  {36, 21},  {164, 21}, {165, -1},
                        {166, 22}, {294, 22}, {295, -1}, {296, 23}, {424, 23}, {425, -1},
                        {426, 24}, {554, 24}, {555, -1}, {556, 0},  {599, 0}};
  for (const Case& c : cases) {
    heli::m_move(*g, 400, 300);  // band 23 first
    Ticks(*g, 1);
    ASSERT_EQ(g->menu_item, 23);
    heli::m_move(*g, 123, c.y);
    Ticks(*g, 1);
    EXPECT_EQ(g->menu_item, c.item < 0 ? 23 : c.item) << "mouse_y " << c.y;
  }
}

// A press of Up or Down moves the selection one button (holding does not repeat),
// wrapping at the ends; the mouse's band gives way until the mouse moves again;
// Enter then chooses as a click does.
TEST(Menu, UpAndDownStepOncePerPressAndEnterChooses) {
  auto g = InMenu();
  auto press = [&](int key) {
    g->DXInput1.KeyDown(key);
    Ticks(*g, 1);  // this tick's poll takes the key in
    Ticks(*g, 1);  // the next tick acts on it
  };
  auto release = [&](int key) {
    g->DXInput1.KeyUp(key);
    Ticks(*g, 1);
  };
  Ticks(*g, 1);  // the mouse is above every band: nothing is chosen
  ASSERT_EQ(g->menu_item, 0);
  press(kDown);  // none selected: Down takes the first button
  EXPECT_EQ(g->menu_item, 21);
  EXPECT_EQ(g->menu_hover, 0);  // and it is lit
  Ticks(*g, 30);                // held: no repeat, and the outside rule waits
  EXPECT_EQ(g->menu_item, 21);
  release(kDown);
  press(kUp);  // 21 -> 24
  EXPECT_EQ(g->menu_item, 24);
  release(kUp);
  press(kDown);  // 24 -> 21
  EXPECT_EQ(g->menu_item, 21);
  release(kDown);
  press(kDown);
  EXPECT_EQ(g->menu_item, 22);
  EXPECT_EQ(g->menu_hover, 1);
  release(kDown);
  // The mouse moves over a band: it chooses again.
  heli::m_move(*g, 400, 360);
  Ticks(*g, 1);
  EXPECT_EQ(g->menu_item, 23);
  EXPECT_EQ(g->menu_hover, 2);
  press(kUp);
  EXPECT_EQ(g->menu_item, 22);
  // Up to the new game, and Enter starts it as a click would.
  release(kUp);
  press(kUp);
  ASSERT_EQ(g->menu_item, 21);
  heli::down(*g, heli::VK_RETURN);
  EXPECT_EQ(g->in_menu, 0);
  EXPECT_EQ(g->level_intro, 1);
  heli::down(*g, heli::VK_RETURN);  // Enter leaves the start screen as Escape does
  EXPECT_EQ(g->level_intro, 0);
}

TEST(Menu, HidesThePanelsAndClicksOutsideTheBandsDoNothing) {
  auto g = InMenu();
  g->bottom_panel_shown = g->rescued_panel_shown = g->endangered_panel_shown = true;
  Ticks(*g, 1);  // mouse_y is still 0
  EXPECT_FALSE(g->bottom_panel_shown);
  EXPECT_FALSE(g->rescued_panel_shown);
  EXPECT_FALSE(g->endangered_panel_shown);
  EXPECT_EQ(g->menu_item, 0);
  heli::klik(*g);
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->game_started, 0);
  EXPECT_FALSE(g->closed);
  heli::down(*g, heli::VK_ESCAPE);  // Escape in the menu changes nothing
  EXPECT_EQ(g->in_menu, 1);
  EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 0);
}

TEST(Menu, KonecClosesTheWindow) {
  auto g = InMenu();
  heli::m_move(*g, 10, 500);
  Ticks(*g, 1);
  heli::klik(*g);
  EXPECT_TRUE(g->closed);
}

TEST(LevelStartScreen, HidesThePanelsAndStopsTheClock) {
  auto g = NewGame();
  heli::testing::EnterPlay(*g);
  g->level_intro = 1;
  g->level = 2;
  g->cass.Enabled = true;
  g->bottom_panel_shown = g->endangered_panel_shown = true;
  const long long presents = g->DXDraw.PresentCount();
  g->blink_tick = 3;
  Ticks(*g, 3);
  EXPECT_FALSE(g->cass.Enabled);
  EXPECT_FALSE(g->bottom_panel_shown);
  EXPECT_FALSE(g->endangered_panel_shown);
  EXPECT_EQ(g->DXDraw.PresentCount(), presents + 3);
  EXPECT_EQ(g->blink_tick, 3);  // no play tick ran
  heli::down(*g, 'M');          // only Escape leaves it
  EXPECT_EQ(g->level_intro, 1);
}

}  // namespace
